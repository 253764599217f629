#pragma once
// The per-user registry records of an installation: the logon start of the
// player and the uninstall record. Nothing is written machine-wide. Both
// writers catch every error of their own and only return false.
#include <string>

// Writes (on) or deletes (off) the value ExeBaseName(programPath) in the
// current user's Run key. Its data is the quoted program path, one space and
// the arguments. Returns false when writing failed.
bool SetAutoRun(const std::string &programPath, const std::string &arguments, bool on);

// The file-name part of the path up to its first "."; empty when the name
// has no ".".
std::string ExeBaseName(const std::string &path);

// Writes the current user's uninstall record "云雀视界": DisplayName,
// UninstallString and DisplayIcon (quoted, backslashes doubled),
// DisplayVersion (the main program's file version, else "1.0.0.1"),
// URLInfoAbout, URLUpdateInfo and Publisher. Other values in the key are left
// alone. Returns true when every value was written; values written before a
// failure stay.
bool WriteUninstallEntry(const std::string &uninstallerPath, const std::string &mainProgramPath);
