#include "install/RegistryRecords.h"

#include "install/FileVersion.h"
#include "install/PathText.h"
#include "install/ProductInfo.h"
#include "win/RegistryKey.h"

#include <stdexcept>

namespace {

constexpr const char *kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char *kUninstallKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\云雀视界";
constexpr const char *kFallbackVersion = "1.0.0.1";

bool WriteText(HKEY key, const std::string &name, const std::string &text)
{
    // The stored length counts the terminating NUL.
    return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

void WriteValue(HKEY key, const std::string &name, const std::string &text)
{
    if (!WriteText(key, name, text))
        throw std::runtime_error("cannot write " + name);
}

std::string Quoted(const std::string &text) { return "\"" + text + "\""; }

void WriteDisplayVersion(HKEY key, const std::string &mainProgramPath)
{
    std::string version;
    try {
        version = GetFileVersionText(mainProgramPath);
    } catch (const std::exception &) {
        version = kFallbackVersion;
    }
    if (!WriteText(key, "DisplayVersion", version))
        WriteValue(key, "DisplayVersion", kFallbackVersion);
}

} // namespace

std::string ExeBaseName(const std::string &path)
{
    const std::string name = FileNamePart(path);
    const auto dot = name.find('.');
    return dot == std::string::npos ? std::string() : name.substr(0, dot);
}

bool SetAutoRun(const std::string &programPath, const std::string &arguments, bool on)
{
    try {
        const std::string name = ExeBaseName(programPath);
        const win::RegistryKey key = win::CreateRegistryKey(HKEY_CURRENT_USER, kRunKey);
        if (!on) {
            // A value that is not there is no failure.
            RegDeleteValueA(key.get(), name.c_str());
            return true;
        }
        return key && WriteText(key.get(), name, Quoted(programPath) + " " + arguments);
    } catch (const std::exception &) {
        return false;
    }
}

bool WriteUninstallEntry(const std::string &uninstallerPath, const std::string &mainProgramPath)
{
    try {
        if (!win::CreateRegistryKey(HKEY_CURRENT_USER, kUninstallKey))
            return false;
        const win::RegistryKey key = win::CreateRegistryKey(HKEY_CURRENT_USER, kUninstallKey);
        if (!key)
            return false;
        WriteValue(key.get(), "DisplayName", kProductName);
        WriteValue(key.get(), "UninstallString", Quoted(DoubleBackslashes(uninstallerPath)));
        WriteValue(key.get(), "DisplayIcon", Quoted(DoubleBackslashes(mainProgramPath)));
        WriteDisplayVersion(key.get(), mainProgramPath);
        WriteValue(key.get(), "URLInfoAbout", kProductHomePage);
        WriteValue(key.get(), "URLUpdateInfo", kProductHomePage);
        WriteValue(key.get(), "Publisher", kPublisherNotice);
        return true;
    } catch (const std::exception &) {
        return false;
    }
}
