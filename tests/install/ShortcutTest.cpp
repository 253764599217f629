#include "install/IoError.h"
#include "install/ShellLink.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestThread.h"
#include "win/ComPtr.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>


using testing_support::FileExists;
using testing_support::FolderExists;
using testing_support::RemoveTree;
using testing_support::TempFolder;
using testing_support::WriteBytes;

namespace {

const std::wstring kUninstallName = L"云雀视界\\卸载云雀视界";

struct Link {
    std::string path;
    std::string workingDirectory;
    std::string description;
    std::string iconLocation;
    int iconIndex = -1;
};

std::wstring Wide(const std::string &text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

// Reads a shortcut file back through the system's own shell link object.
Link ReadLink(const std::string &file)
{
    win::ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, link.put())))
        throw std::runtime_error("no shell link object");
    auto persist = link.query<IPersistFile>(IID_IPersistFile);
    if (!persist || FAILED(persist->Load(Wide(file).c_str(), STGM_READ)))
        throw std::runtime_error("cannot load " + file);
    char text[MAX_PATH * 2];
    Link result;
    text[0] = 0;
    link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
    result.path = text;
    text[0] = 0;
    link->GetWorkingDirectory(text, sizeof text);
    result.workingDirectory = text;
    text[0] = 0;
    link->GetDescription(text, sizeof text);
    result.description = text;
    text[0] = 0;
    link->GetIconLocation(text, sizeof text, &result.iconIndex);
    result.iconLocation = text;
    return result;
}

void ExpectPlayerShortcut(const std::string &file, const std::string &installDir)
{
    SCOPED_TRACE(file);
    ASSERT_TRUE(FileExists(file));
    const Link link = ReadLink(file);
    EXPECT_EQ(link.path, installDir + "skyvu.exe");
    EXPECT_EQ(link.workingDirectory, installDir);
    EXPECT_EQ(link.description, "云雀视界");
    EXPECT_EQ(link.iconLocation, installDir + "skyvu.exe");
    EXPECT_EQ(link.iconIndex, 0);
}

// The apartment the wizard sets up at start.
class ComApartment {
public:
    ComApartment() : ready_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;
    ~ComApartment()
    {
        if (ready_)
            CoUninitialize();
    }

private:
    bool ready_;
};

// An install folder holding the two programs the shortcuts point at, with a
// Chinese name whose last character ends in byte 0x5C (誠).
class InstalledFiles {
public:
    InstalledFiles() : dir_(root_.path() + "云雀视界誠\\")
    {
        CreateDirectoryA(dir_.c_str(), nullptr);
        WriteBytes(dir_ + "skyvu.exe", "MZ");
        WriteBytes(dir_ + "UnInstall.exe", "MZ");
    }
    const std::string &dir() const { return dir_; }

private:
    TempFolder root_{"install"};
    std::string dir_;
};

// The real shortcut folders of the test prefix, cleared of the player's
// shortcuts before and after each test.
class ShortcutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folders.desktop && folders.appData && folders.programs);
        Clear();
    }
    void TearDown() override { Clear(); }

    std::string desktopShortcut() const { return *folders.desktop + "\\云雀视界.lnk"; }
    std::string quickLaunchFolder() const { return *folders.appData + "\\Microsoft\\Internet Explorer\\Quick Launch"; }
    std::string quickLaunchShortcut() const { return quickLaunchFolder() + "\\云雀视界.lnk"; }
    std::string group() const { return *folders.programs + "\\云雀视界"; }
    std::string groupShortcut() const { return group() + "\\云雀视界.lnk"; }
    std::string uninstallShortcut() const { return group() + "\\卸载云雀视界.lnk"; }

    ComApartment apartment;
    InstalledFiles installed;
    const ShortcutFolders folders = ShortcutFolders::OfCurrentUser();

private:
    void Clear()
    {
        DeleteFileA(desktopShortcut().c_str());
        DeleteFileA(quickLaunchShortcut().c_str());
        RemoveTree(group());
    }
};

} // namespace

TEST(IoErrorText, NamesTheCommonCodesAndNumbersTheRest)
{
    EXPECT_EQ(IoErrorText(2), "File not found");
    EXPECT_EQ(IoErrorText(3), "Invalid filename");
    EXPECT_EQ(IoErrorText(4), "Too many open files");
    EXPECT_EQ(IoErrorText(5), "File access denied");
    EXPECT_EQ(IoErrorText(183), "I/O error 183");
    EXPECT_EQ(IoErrorText(32), "I/O error 32");
    EXPECT_EQ(IoError(5).code(), 5u);
    EXPECT_STREQ(IoError(5).what(), "File access denied");
}

TEST_F(ShortcutTest, AllFlagsOnWritesThreeLikeShortcutsAndTheUninstallShortcut)
{
    CreateProgramShortcuts(installed.dir(), true, true);
    CreateShellLink(installed.dir() + "UnInstall.exe", CSIDL_PROGRAMS, kUninstallName);

    ExpectPlayerShortcut(desktopShortcut(), installed.dir());
    ExpectPlayerShortcut(quickLaunchShortcut(), installed.dir());
    ExpectPlayerShortcut(groupShortcut(), installed.dir());

    ASSERT_TRUE(FileExists(uninstallShortcut()));
    const Link uninstall = ReadLink(uninstallShortcut());
    EXPECT_EQ(uninstall.path, installed.dir() + "UnInstall.exe");
    EXPECT_EQ(uninstall.workingDirectory, installed.dir());
    EXPECT_EQ(uninstall.description, "");
    EXPECT_EQ(uninstall.iconLocation, "");
}

TEST_F(ShortcutTest, FlagsChooseTheDesktopAndQuickLaunchShortcuts)
{
    for (const bool desktop : {false, true}) {
        for (const bool quickLaunch : {false, true}) {
            SCOPED_TRACE(std::to_string(desktop) + std::to_string(quickLaunch));
            TearDown();
            CreateProgramShortcuts(installed.dir(), desktop, quickLaunch);
            EXPECT_EQ(FileExists(desktopShortcut()), desktop);
            EXPECT_EQ(FileExists(quickLaunchShortcut()), quickLaunch);
            ExpectPlayerShortcut(groupShortcut(), installed.dir());
        }
    }
}

TEST_F(ShortcutTest, AnExistingProgramGroupIsReusedAndItsShortcutsOverwritten)
{
    ASSERT_TRUE(CreateDirectoryA(group().c_str(), nullptr));
    WriteBytes(groupShortcut(), "old");
    WriteBytes(uninstallShortcut(), "old");
    WriteBytes(group() + "\\readme.txt", "kept");

    CreateProgramShortcuts(installed.dir(), false, false);
    CreateShellLink(installed.dir() + "UnInstall.exe", CSIDL_PROGRAMS, kUninstallName);

    ExpectPlayerShortcut(groupShortcut(), installed.dir());
    EXPECT_EQ(ReadLink(uninstallShortcut()).path, installed.dir() + "UnInstall.exe");
    EXPECT_EQ(testing_support::ReadBytes(group() + "\\readme.txt"), "kept");
}

TEST_F(ShortcutTest, AMissingQuickLaunchFolderGivesNoShortcutAndNoError)
{
    TempFolder elsewhere("folders");
    ShortcutFolders without = folders;
    without.appData = elsewhere.path() + "AppData";
    ASSERT_TRUE(CreateDirectoryA(without.appData->c_str(), nullptr));

    EXPECT_NO_THROW(CreateProgramShortcuts(installed.dir(), true, true, without));

    EXPECT_FALSE(FolderExists(*without.appData + "\\Microsoft"));
    EXPECT_FALSE(FileExists(quickLaunchShortcut()));
    ExpectPlayerShortcut(desktopShortcut(), installed.dir());
    ExpectPlayerShortcut(groupShortcut(), installed.dir());
}

TEST_F(ShortcutTest, AProgramGroupThatCannotBeCreatedRaisesTheIoErrorAfterTheOtherShortcuts)
{
    TempFolder elsewhere("folders");
    ShortcutFolders broken = folders;
    broken.programs = elsewhere.path() + "missing\\Programs";
    try {
        CreateProgramShortcuts(installed.dir(), true, true, broken);
        FAIL() << "no error";
    } catch (const IoError &error) {
        EXPECT_STREQ(error.what(), "Invalid filename");
        EXPECT_EQ(error.code(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    }
    ExpectPlayerShortcut(desktopShortcut(), installed.dir());
    ExpectPlayerShortcut(quickLaunchShortcut(), installed.dir());
    EXPECT_FALSE(FolderExists(*broken.programs));

    // A file in the group folder's place.
    broken.programs = elsewhere.path() + "Programs";
    ASSERT_TRUE(CreateDirectoryA(broken.programs->c_str(), nullptr));
    WriteBytes(*broken.programs + "\\云雀视界", "a file");
    try {
        CreateProgramShortcuts(installed.dir(), false, false, broken);
        FAIL() << "no error";
    } catch (const IoError &error) {
        EXPECT_STREQ(error.what(), "I/O error 183");
    }
}

TEST_F(ShortcutTest, CreateShellLinkIntoAMissingSubFolderWritesNothingAndReportsNothing)
{
    const std::string missing = *folders.programs + "\\云雀视界不在";
    ASSERT_FALSE(FolderExists(missing));

    EXPECT_NO_THROW(CreateShellLink(installed.dir() + "UnInstall.exe", CSIDL_PROGRAMS, L"云雀视界不在\\卸载云雀视界"));

    EXPECT_FALSE(FolderExists(missing));
}

TEST_F(ShortcutTest, WithoutComOnTheThreadNothingIsWrittenAndAnErrorIsRaised)
{
    std::string programError;
    std::string linkError;
    testing_support::TestThread([&] {
        try {
            CreateProgramShortcuts(installed.dir(), true, true);
        } catch (const std::runtime_error &error) {
            programError = error.what();
        }
        try {
            CreateShellLink(installed.dir() + "UnInstall.exe", CSIDL_DESKTOPDIRECTORY, L"云雀视界");
        } catch (const std::runtime_error &error) {
            linkError = error.what();
        }
    }).join();

    // The system's text for CO_E_NOTINITIALIZED, or its number where the
    // system has no text (Wine).
    for (const std::string &error : {programError, linkError})
        EXPECT_TRUE(error.find("CoInitialize") != std::string::npos || error == "OLE error 800401F0") << error;
    EXPECT_FALSE(FileExists(desktopShortcut()));
    EXPECT_FALSE(FolderExists(group()));
}
