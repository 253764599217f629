#include "install/ShellLink.h"

#include "install/IoError.h"
#include "install/ShellFolder.h"
#include "win/ComPtr.h"
#include "win/FileSystem.h"
#include "win/PathText.h"
#include "win/SystemError.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <stdexcept>

namespace {

constexpr const char *kMainProgram = "skyvu.exe";
constexpr const char *kDescription = "云雀视界";
constexpr const char *kDesktopShortcut = "\\云雀视界.lnk";
constexpr const char *kQuickLaunchShortcut = "\\Microsoft\\Internet Explorer\\Quick Launch\\云雀视界.lnk";
constexpr const char *kProgramGroup = "\\云雀视界\\";
constexpr const char *kProgramGroupShortcut = "云雀视界.lnk";

struct LinkObject {
    win::ComPtr<IShellLinkA> link;
    win::ComPtr<IPersistFile> file;
};

std::string ComErrorText(HRESULT result)
{
    std::string message = win::SystemErrorText(static_cast<DWORD>(result));
    if (message.empty()) {
        char code[32];
        wsprintfA(code, "OLE error %08X", static_cast<unsigned>(result));
        message = code;
    }
    return message;
}

LinkObject CreateLinkObject()
{
    win::ComPtr<IUnknown> object;
    const HRESULT created = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                             IID_IUnknown, object.put());
    if (FAILED(created))
        throw std::runtime_error(ComErrorText(created));
    LinkObject shortcut{object.query<IShellLinkA>(IID_IShellLinkA), object.query<IPersistFile>(IID_IPersistFile)};
    if (!shortcut.link || !shortcut.file)
        throw std::runtime_error("Interface not supported");
    return shortcut;
}

// A file that cannot be saved, for instance into a missing folder, is
// skipped without a word.
void Save(const LinkObject &shortcut, const std::wstring &file)
{
    shortcut.file->Save(file.c_str(), FALSE);
}

void Save(const LinkObject &shortcut, const std::string &file)
{
    Save(shortcut, win::AnsiToWide(file));
}

void PointAt(const LinkObject &shortcut, const std::string &target)
{
    shortcut.link->SetPath(target.c_str());
    shortcut.link->SetWorkingDirectory(FolderPart(target).c_str());
}

} // namespace

ShortcutFolders ShortcutFolders::OfCurrentUser()
{
    return {SpecialFolderPath(CSIDL_DESKTOPDIRECTORY), SpecialFolderPath(CSIDL_APPDATA),
            SpecialFolderPath(CSIDL_PROGRAMS)};
}

void CreateProgramShortcuts(const std::string &installDir, bool desktopFlag, bool quickLaunchFlag)
{
    CreateProgramShortcuts(installDir, desktopFlag, quickLaunchFlag, ShortcutFolders::OfCurrentUser());
}

// One link object serves all three files: every property is set before the
// first save.
void CreateProgramShortcuts(const std::string &installDir, bool desktopFlag, bool quickLaunchFlag,
                            const ShortcutFolders &folders)
{
    const std::string target = installDir + kMainProgram;
    const LinkObject shortcut = CreateLinkObject();
    PointAt(shortcut, target);
    shortcut.link->SetDescription(kDescription);
    shortcut.link->SetIconLocation(target.c_str(), 0);

    if (desktopFlag && folders.desktop)
        Save(shortcut, *folders.desktop + kDesktopShortcut);
    if (quickLaunchFlag && folders.appData)
        Save(shortcut, *folders.appData + kQuickLaunchShortcut);
    if (!folders.programs)
        return;
    // Only the group's own level is created: the programs folder exists.
    const std::string group = *folders.programs + kProgramGroup;
    if (!win::FolderExists(group) && !CreateDirectoryA(group.c_str(), nullptr))
        throw IoError(GetLastError());
    Save(shortcut, group + kProgramGroupShortcut);
}

void CreateShellLink(const std::string &target, int csidl, const std::wstring &name)
{
    const LinkObject shortcut = CreateLinkObject();
    PointAt(shortcut, target);
    if (const auto folder = SpecialFolderPath(csidl))
        Save(shortcut, win::AnsiToWide(*folder) + L"\\" + name + L".lnk");
}
