#include "pages/UnpackPayload.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The bytes of one of this program's own raw-data resources.
std::string OwnResource(const char *name)
{
    HRSRC info = FindResourceExA(nullptr, MAKEINTRESOURCEA(10), name, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
    if (!info)
        throw std::runtime_error(std::string("test resource missing: ") + name);
    const auto *data = static_cast<const char *>(LockResource(LoadResource(nullptr, info)));
    return {data, SizeofResource(nullptr, info)};
}

} // namespace

TEST(UnpackPayload, WritesBothResourcesByteIdentical)
{
    TempFolder folder;
    UnpackPayload(folder.path());

    const std::string archive = OwnResource("F1");
    const std::string library = OwnResource("F7Z");
    ASSERT_GT(archive.size(), 1000u);
    ASSERT_NE(archive, library);
    EXPECT_EQ(ReadBytes(folder.path() + "Larkview.7z"), archive);
    EXPECT_EQ(ReadBytes(folder.path() + "7z.dll"), library);
}

TEST(UnpackPayload, ReplacesFilesOfAnEarlierInstall)
{
    TempFolder folder;
    const std::string longer(20000, 'x');
    WriteBytes(folder.path() + "Larkview.7z", longer);
    WriteBytes(folder.path() + "7z.dll", longer);

    UnpackPayload(folder.path());

    EXPECT_EQ(ReadBytes(folder.path() + "Larkview.7z"), OwnResource("F1"));
    EXPECT_EQ(ReadBytes(folder.path() + "7z.dll"), OwnResource("F7Z"));
}

TEST(UnpackPayload, MissingFolderRaisesNothingAndWritesNothing)
{
    TempFolder folder;
    const std::string missing = folder.path() + "no\\such\\folder\\";

    EXPECT_NO_THROW(UnpackPayload(missing));
    EXPECT_FALSE(FolderExists(folder.path() + "no"));
}

TEST(UnpackPayload, FailureOnTheArchiveEndsTheStepBeforeTheLibrary)
{
    TempFolder folder;
    // A folder where the archive file should go makes its creation fail.
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "Larkview.7z").c_str(), nullptr));

    EXPECT_NO_THROW(UnpackPayload(folder.path()));
    EXPECT_TRUE(FolderExists(folder.path() + "Larkview.7z"));
    EXPECT_FALSE(FileExists(folder.path() + "7z.dll"));
}

TEST(UnpackPayload, FailureOnTheLibraryLeavesTheArchiveInPlace)
{
    TempFolder folder;
    ASSERT_TRUE(CreateDirectoryA((folder.path() + "7z.dll").c_str(), nullptr));

    EXPECT_NO_THROW(UnpackPayload(folder.path()));
    EXPECT_EQ(ReadBytes(folder.path() + "Larkview.7z"), OwnResource("F1"));
}
