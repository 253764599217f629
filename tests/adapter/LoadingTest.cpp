#include "AdapterTestSupport.h"

#include "sevenzip/CheckResult.h"
#include "win/SystemError.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace adapter_test;
using namespace testing_support;
using sevenzip::CreateInArchive;
using sevenzip::CLSID_Format7z;

namespace {

// The system's text for error 1 (S_FALSE), which the library answers for a
// file that is not a 7z archive, on this (Chinese) system.
const std::string kCode1Text = "无效的函数";

std::string ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const std::exception &error) {
        return error.what();
    }
    return "(nothing raised)";
}

} // namespace

// The Chinese texts end with "。", which goes like an ASCII full stop.
TEST(CheckResult, RaisesTheSystemTextWithoutTrailingStop)
{
    EXPECT_NO_THROW(sevenzip::CheckResult(S_OK));
    EXPECT_EQ(ErrorOf([] { sevenzip::CheckResult(S_FALSE); }), kCode1Text);
    EXPECT_EQ(ErrorOf([] { sevenzip::CheckResult(ERROR_ACCESS_DENIED); }), "访问被拒绝");
    EXPECT_EQ(ErrorOf([] { sevenzip::CheckResult(0x2000ABCD); }), "");
}

TEST(CreateInArchive, MissingLibraryGivesTheLoadErrorWithThePath)
{
    TempFolder folder;
    const std::string path = folder.path() + "7z.dll";
    EXPECT_EQ(ErrorOf([&] { CreateInArchive(CLSID_Format7z, path); }), "Error loading library " + path);
}

// The test keeps its own load of the DLL: after the failed creation it must
// still be loaded (not freed twice), and gone after its own FreeLibrary (not
// leaked).
TEST(CreateInArchive, DllsThatAreNoFormatLibraryAreNamedAndUnloadedOnce)
{
    const struct {
        std::string path, text;
    } cases[] = {{HostPath(NO_CREATE_OBJECT_DLL), " is not a 7z library"},
                 {HostPath(NO_HANDLER_PROPERTY_DLL), " is not a Format library"}};
    for (const auto &dll : cases) {
        SCOPED_TRACE(dll.path);
        HMODULE own = LoadLibraryA(dll.path.c_str());
        ASSERT_TRUE(own);
        EXPECT_EQ(ErrorOf([&] { CreateInArchive(CLSID_Format7z, dll.path); }), dll.path + dll.text);
        EXPECT_TRUE(ModuleIsLoaded(dll.path));
        FreeLibrary(own);
        EXPECT_FALSE(ModuleIsLoaded(dll.path));
    }
}

TEST(CreateInArchive, TheLastReferenceClosesTheArchiveAndUnloadsTheLibrary)
{
    TempFolder folder;
    const std::string archivePath = folder.path() + "tree.7z";
    ASSERT_TRUE(CopyFileA(DataPath("tree.7z").c_str(), archivePath.c_str(), FALSE));

    auto archive = CreateInArchive(CLSID_Format7z, LibraryPath());
    archive->OpenFile(archivePath);
    EXPECT_EQ(archive->GetClassId(), CLSID_Format7z);
    auto second = archive;
    archive.reset();
    EXPECT_TRUE(ModuleIsLoaded(LibraryPath()));
    EXPECT_FALSE(DeleteFileA(archivePath.c_str())) << "the handler still reads the archive";
    EXPECT_EQ(second->GetNumberOfItems(), 9u);

    second.reset();
    EXPECT_FALSE(ModuleIsLoaded(LibraryPath()));
    EXPECT_TRUE(DeleteFileA(archivePath.c_str()));
}

TEST(OpenFile, FilesThatAreNoSevenZipArchiveRaiseTheTextOfCode1)
{
    for (const char *name : {"notarchive.7z", "empty.7z", "truncated.7z"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ErrorOf([&] { OpenArchive(name); }), kCode1Text);
    }
}

TEST(OpenFile, MissingArchiveRaisesTheFileOpenError)
{
    TempFolder folder;
    const std::string path = folder.path() + "none.7z";
    auto archive = CreateInArchive(CLSID_Format7z, LibraryPath());
    EXPECT_EQ(ErrorOf([&] { archive->OpenFile(path); }),
              "The archive file \"" + path + "\" could not be opened: " + win::SystemErrorText(ERROR_FILE_NOT_FOUND));
}

TEST(OpenFile, UnknownClassIdRaisesTheLibrarysFailureCode)
{
    auto archive = CreateInArchive(GUID{0x12345678, 0, 0, {}}, LibraryPath());
    EXPECT_EQ(ErrorOf([&] { archive->OpenFile(DataPath("tree.7z")); }),
              win::SystemErrorText(static_cast<DWORD>(CLASS_E_CLASSNOTAVAILABLE)));
}

TEST(T7zInArchive, OperationsOnAnArchiveNeverOpenedRaiseInsteadOfCrashing)
{
    auto archive = CreateInArchive(CLSID_Format7z, LibraryPath());
    sevenzip::TMemoryDataStream stream;
    const std::function<void()> calls[] = {
        [&] { archive->Close(); },
        [&] { archive->GetNumberOfItems(); },
        [&] { archive->GetItemPath(0); },
        [&] { archive->GetItemName(0); },
        [&] { archive->GetItemSize(0); },
        [&] { archive->ItemIsFolder(0); },
        [&] { archive->ExtractItem(0, stream, false); },
        [&] { archive->ExtractItems(nullptr, 0, false, nullptr, nullptr); },
        [&] { archive->ExtractAll(false, nullptr, nullptr); },
        [&] { archive->ExtractTo("C:\\"); },
    };
    for (const auto &call : calls)
        EXPECT_EQ(ErrorOf(call), "No archive is open");
    // After a Close the archive counts as never opened again.
    archive->OpenFile(DataPath("tree.7z"));
    archive->Close();
    EXPECT_EQ(ErrorOf([&] { archive->GetNumberOfItems(); }), "No archive is open");
}
