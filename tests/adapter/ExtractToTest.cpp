#include "AdapterTestSupport.h"

#include "win/Handle.h"

#include <gtest/gtest.h>

using namespace adapter_test;
using namespace testing_support;

namespace {

const std::set<std::string> kTreeFiles = {"big.bin", "sub\\", "sub\\deeper\\", "sub\\deeper\\empty.dat",
                                          "sub\\deeper\\leaf.txt", "sub\\inner.bin", "top.txt", "中文名.txt"};
const char *const kTreeFileNames[] = {"big.bin", "sub\\deeper\\empty.dat", "sub\\deeper\\leaf.txt", "sub\\inner.bin",
                                      "top.txt", "中文名.txt"};

std::string Source(const std::string &relative)
{
    return DataPath("tree\\" + relative);
}

void ExpectSameTree(const std::string &folder)
{
    EXPECT_EQ(ListTree(folder), kTreeFiles);
    for (const char *name : kTreeFileNames)
        EXPECT_EQ(ReadBytes(folder + name), ReadBytes(Source(name))) << name;
}

} // namespace

// Sub-folders are created by their files; the archive's empty folder is not.
TEST(ExtractTo, WritesEveryFileByteIdenticalAndNoEmptyFolder)
{
    TempFolder folder;
    const std::string destination = folder.path() + "new\\install\\";
    OpenArchive("tree.7z")->ExtractTo(destination);
    ExpectSameTree(destination);
    EXPECT_FALSE(FolderExists(destination + "emptyfolder"));
}

TEST(ExtractTo, DestinationWithoutTrailingBackslashGivesTheSameResult)
{
    TempFolder folder;
    OpenArchive("tree.7z")->ExtractTo(folder.path() + "dest");
    ExpectSameTree(folder.path() + "dest\\");
}

TEST(ExtractTo, ReplacesExistingFilesAndCutsAnExistingEmptyOneToZero)
{
    TempFolder folder;
    CreateDirectoryA((folder.path() + "sub").c_str(), nullptr);
    CreateDirectoryA((folder.path() + "sub\\deeper").c_str(), nullptr);
    const std::string older(5'000'000, 'o');
    for (const char *name : kTreeFileNames)
        WriteBytes(folder.path() + name, older);

    OpenArchive("tree.7z")->ExtractTo(folder.path());

    ExpectSameTree(folder.path());
    EXPECT_EQ(ReadBytes(folder.path() + "sub\\deeper\\empty.dat").size(), 0u);
}

// Another program holds top.txt open without sharing: that file keeps its
// content, every other file is still written, and the extraction then
// reports the file it could not create.
TEST(ExtractTo, FileHeldOpenByAnotherProgramKeepsItsContentTheRestGoesOnAndItIsReported)
{
    TempFolder folder;
    const std::string locked = folder.path() + "top.txt";
    WriteBytes(locked, "held by another program");
    const std::string tag = std::to_string(GetCurrentProcessId());
    const std::string readyName = "larkview-adapter-ready-" + tag, releaseName = "larkview-adapter-release-" + tag;
    win::Handle ready(CreateEventA(nullptr, TRUE, FALSE, readyName.c_str()));
    win::Handle release(CreateEventA(nullptr, TRUE, FALSE, releaseName.c_str()));

    std::string command = std::string("\"") + HostPath(HOLD_FILE_EXE) + "\" \"" + locked + "\" " + readyName + " " + releaseName;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info));
    win::Handle process(info.hProcess), thread(info.hThread);
    ASSERT_EQ(WaitForSingleObject(ready.get(), 30000), WAIT_OBJECT_0);

    try {
        OpenArchive("tree.7z")->ExtractTo(folder.path());
        ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error &error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot extract top.txt: ", 0), 0u) << error.what();
    }
    SetEvent(release.get());
    WaitForSingleObject(process.get(), 30000);

    EXPECT_EQ(ReadBytes(locked), "held by another program");
    for (const char *name : kTreeFileNames) {
        if (std::string(name) != "top.txt") {
            EXPECT_EQ(ReadBytes(folder.path() + name), ReadBytes(Source(name))) << name;
        }
    }
}

// The adapter's own interface cannot hand the library an index past the
// items, leave a failed open behind, or let a callback close the archive
// under a running extraction.
TEST(Archive, RefusesBadIndicesForgetsAFailedOpenAndStaysOpenUnderItsCallbacks)
{
    auto archive = OpenArchive("tree.7z");
    const uint32_t count = archive->GetNumberOfItems();
    sevenzip::TMemoryDataStream stream;
    EXPECT_THROW(archive->GetItemPath(count), std::runtime_error);
    EXPECT_THROW(archive->ExtractItem(count, stream, false), std::runtime_error);
    const uint32_t indices[] = {0, count};
    EXPECT_THROW(archive->ExtractItems(indices, 2, true, nullptr, nullptr), std::runtime_error);

    archive->SetProgressCallback(archive.get(), [](void *sender, bool, int64_t) -> HRESULT {
        static_cast<sevenzip::I7zInArchive *>(sender)->Close();
        return S_OK;
    });
    TempFolder folder;
    try {
        archive->ExtractTo(folder.path());
        ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "The archive is in use by a running operation");
    }
    archive->SetProgressCallback(nullptr, nullptr);
    EXPECT_EQ(archive->GetNumberOfItems(), count);
    TempFolder again;
    archive->ExtractTo(again.path());
    ExpectSameTree(again.path());

    EXPECT_THROW(archive->OpenFile(DataPath("notarchive.7z")), std::runtime_error);
    try {
        archive->GetNumberOfItems();
        ADD_FAILURE() << "an archive is still open";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "No archive is open");
    }
}
