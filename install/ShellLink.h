#pragma once
// Shortcuts (shell link files) to the installed player. Both routines need
// COM initialised, apartment-threaded, on the calling thread. They raise
// std::runtime_error when the shell link object cannot be created ("Interface
// not supported" when it lacks IShellLinkA or IPersistFile) and write
// nothing then; a shortcut file that cannot be saved is silently missing.
#include <optional>
#include <string>

// The current user's folders that hold the player's shortcuts, without a
// trailing backslash. A folder the shell cannot name is empty, and its
// shortcut is skipped.
struct ShortcutFolders {
    std::optional<std::string> desktop;  // CSIDL_DESKTOPDIRECTORY
    std::optional<std::string> appData;  // CSIDL_APPDATA, which holds Quick Launch
    std::optional<std::string> programs; // CSIDL_PROGRAMS, the Start-menu programs

    static ShortcutFolders OfCurrentUser();
};

// The desktop (when desktopFlag), Quick Launch (when quickLaunchFlag) and
// program-group shortcuts to installDir + "skyvu.exe", all three alike. The
// program-group folder is created when missing; if that fails an IoError
// with the system's error code is raised, and the shortcuts saved before it
// stay. installDir ends with a backslash.
void CreateProgramShortcuts(const std::string &installDir, bool desktopFlag, bool quickLaunchFlag);
void CreateProgramShortcuts(const std::string &installDir, bool desktopFlag, bool quickLaunchFlag,
                            const ShortcutFolders &folders);

// A shortcut to target, saved as <special folder csidl>\<name>.lnk. The name
// may reach into a sub-folder, which must exist already: no folder is
// created. No description or icon is set.
void CreateShellLink(const std::string &target, int csidl, const std::wstring &name);
