#include "install/FileVersion.h"
#include "install/RegistryRecords.h"

#include "tests/support/TestFiles.h"
#include "win/RegistryKey.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

using testing_support::HostPath;
using testing_support::TempFolder;
using testing_support::WriteBytes;

namespace {

constexpr const char *kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char *kUninstallParent = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char *kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\云雀视界";
const std::string kCheng = "\xD5\x5C"; // 誠, whose second byte is a backslash's value

// A REG_SZ value's stored bytes, terminating NUL included; empty when the
// value is missing or of another type.
std::optional<std::string> ReadText(const char *subKey, const std::string &name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    const win::RegistryKey key(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    std::string data(size, '\0');
    if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

std::string Stored(const std::string &text) { return text + '\0'; }

std::vector<std::string> ValueNames(const char *subKey)
{
    std::vector<std::string> names;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return names;
    const win::RegistryKey key(opened);
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

void WriteOtherValue(const char *subKey, const std::string &name, const std::string &text)
{
    const win::RegistryKey key = win::CreateRegistryKey(HKEY_CURRENT_USER, subKey);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExA(key.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                             static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
}

// An ASCII path with its backslashes doubled.
std::string Doubled(const std::string &path)
{
    std::string doubled;
    for (char c : path)
        doubled += c == '\\' ? std::string("\\\\") : std::string(1, c);
    return doubled;
}

std::string SamplePlayer() { return HostPath(LARKVIEW_SKYVU_PATH); }

// The values these tests write into the current user's hive, removed before
// and after each test.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }

private:
    static void Clear()
    {
        const win::RegistryKey run = win::CreateRegistryKey(HKEY_CURRENT_USER, kRunKey);
        RegDeleteValueA(run.get(), "skyvu");
        RegDeleteValueA(run.get(), "");
        const win::RegistryKey uninstall = win::CreateRegistryKey(HKEY_CURRENT_USER, kUninstallParent);
        RegDeleteKeyA(uninstall.get(), "云雀视界");
    }
};

} // namespace

TEST(ExeBaseName, IsTheFileNameBeforeItsFirstDot)
{
    EXPECT_EQ(ExeBaseName("C:\\Program Files\\Larkview\\skyvu.exe"), "skyvu");
    EXPECT_EQ(ExeBaseName("skyvu.exe"), "skyvu");
    EXPECT_EQ(ExeBaseName("C:skyvu.exe"), "skyvu");
    EXPECT_EQ(ExeBaseName("C:\\v1.2\\skyvu.tar.gz"), "skyvu");
    EXPECT_EQ(ExeBaseName("C:\\" + kCheng + "\\" + kCheng + ".exe"), kCheng);
    EXPECT_EQ(ExeBaseName("C:\\Apps\\" + kCheng + "skyvu.exe"), kCheng + "skyvu");
}

TEST(ExeBaseName, IsEmptyWithoutADot)
{
    EXPECT_EQ(ExeBaseName(""), "");
    EXPECT_EQ(ExeBaseName("C:\\Larkview\\skyvu"), "");
    EXPECT_EQ(ExeBaseName("C:\\v1.2\\skyvu"), "");
    EXPECT_EQ(ExeBaseName("C:\\Larkview\\.exe"), "");
}

TEST(GetFileVersionText, GivesTheFileVersionNotTheProductVersion)
{
    EXPECT_EQ(GetFileVersionText(SamplePlayer()), "2.1.0.35");
}

TEST(GetFileVersionText, RaisesForFilesWithoutVersionInformation)
{
    TempFolder folder("version");
    WriteBytes(folder.path() + "plain.exe", "MZ no resources");
    EXPECT_THROW(GetFileVersionText(folder.path() + "plain.exe"), std::runtime_error);
    EXPECT_THROW(GetFileVersionText(folder.path() + "missing.exe"), std::runtime_error);
}

TEST_F(RegistryTest, SetAutoRunWritesTheQuotedProgramAndItsArguments)
{
    EXPECT_TRUE(SetAutoRun("C:\\Program Files\\Larkview\\skyvu.exe", " Minimize ", true));

    EXPECT_EQ(ReadText(kRunKey, "skyvu"), Stored("\"C:\\Program Files\\Larkview\\skyvu.exe\"  Minimize "));
}

TEST_F(RegistryTest, SetAutoRunOverwritesAndDeletes)
{
    WriteOtherValue(kRunKey, "skyvu", "old");
    ASSERT_TRUE(SetAutoRun("D:\\" + kCheng + "\\skyvu.exe", " Minimize ", true));
    EXPECT_EQ(ReadText(kRunKey, "skyvu"), Stored("\"D:\\" + kCheng + "\\skyvu.exe\"  Minimize "));

    EXPECT_TRUE(SetAutoRun("D:\\" + kCheng + "\\skyvu.exe", " Minimize ", false));
    EXPECT_EQ(ReadText(kRunKey, "skyvu"), std::nullopt);
    EXPECT_TRUE(SetAutoRun("D:\\skyvu.exe", " Minimize ", false));
}

TEST_F(RegistryTest, SetAutoRunForANameWithoutDotWritesTheDefaultValue)
{
    EXPECT_TRUE(SetAutoRun("C:\\Larkview\\skyvu", " Minimize ", true));

    EXPECT_EQ(ReadText(kRunKey, ""), Stored("\"C:\\Larkview\\skyvu\"  Minimize "));
    EXPECT_EQ(ReadText(kRunKey, "skyvu"), std::nullopt);
}

TEST_F(RegistryTest, WriteUninstallEntryWritesTheSevenValues)
{
    const std::string uninstaller = "C:\\Program Files\\Larkview\\UnInstall.exe";
    ASSERT_TRUE(WriteUninstallEntry(uninstaller, SamplePlayer()));

    std::vector<std::string> names = ValueNames(kUninstallKey);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"DisplayIcon", "DisplayName", "DisplayVersion", "Publisher",
                                               "URLInfoAbout", "URLUpdateInfo", "UninstallString"}));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayName"), Stored("云雀视界"));
    EXPECT_EQ(ReadText(kUninstallKey, "UninstallString"),
              Stored("\"C:\\\\Program Files\\\\Larkview\\\\UnInstall.exe\""));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayIcon"), Stored("\"" + Doubled(SamplePlayer()) + "\""));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayVersion"), Stored("2.1.0.35"));
    const auto homePage = ReadText(kUninstallKey, "URLInfoAbout");
    ASSERT_TRUE(homePage);
    EXPECT_EQ(homePage->rfind("http://", 0), 0u);
    EXPECT_EQ(ReadText(kUninstallKey, "URLUpdateInfo"), homePage);
    const auto publisher = ReadText(kUninstallKey, "Publisher");
    ASSERT_TRUE(publisher);
    EXPECT_NE(publisher->find("云雀视界"), std::string::npos);
}

TEST_F(RegistryTest, WriteUninstallEntryKeepsTrailBytes5CSingle)
{
    const std::string folder = "C:\\云雀" + kCheng + "\\";
    ASSERT_TRUE(WriteUninstallEntry(folder + "UnInstall.exe", folder + "skyvu.exe"));

    EXPECT_EQ(ReadText(kUninstallKey, "UninstallString"),
              Stored("\"C:\\\\云雀" + kCheng + "\\\\UnInstall.exe\""));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayIcon"), Stored("\"C:\\\\云雀" + kCheng + "\\\\skyvu.exe\""));
}

TEST_F(RegistryTest, ASecondInstallOverwritesEveryValueAndLeavesOthersAlone)
{
    WriteOtherValue(kUninstallKey, "InstallLocation", "kept");
    ASSERT_TRUE(WriteUninstallEntry("C:\\First\\UnInstall.exe", SamplePlayer()));
    for (const char *name : {"DisplayName", "DisplayVersion", "URLInfoAbout", "URLUpdateInfo", "Publisher"})
        WriteOtherValue(kUninstallKey, name, "stale");

    // This time the main program has no version information.
    TempFolder second("second");
    WriteBytes(second.path() + "skyvu.exe", "MZ no resources");
    ASSERT_TRUE(WriteUninstallEntry(second.path() + "UnInstall.exe", second.path() + "skyvu.exe"));

    EXPECT_EQ(ReadText(kUninstallKey, "DisplayName"), Stored("云雀视界"));
    EXPECT_EQ(ReadText(kUninstallKey, "UninstallString"), Stored("\"" + Doubled(second.path()) + "UnInstall.exe\""));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayIcon"), Stored("\"" + Doubled(second.path()) + "skyvu.exe\""));
    EXPECT_EQ(ReadText(kUninstallKey, "DisplayVersion"), Stored("1.0.0.1"));
    for (const char *name : {"URLInfoAbout", "URLUpdateInfo", "Publisher"})
        EXPECT_NE(ReadText(kUninstallKey, name), Stored("stale")) << name;
    EXPECT_EQ(ReadText(kUninstallKey, "InstallLocation"), Stored("kept"));
    EXPECT_EQ(ValueNames(kUninstallKey).size(), 8u);
}
