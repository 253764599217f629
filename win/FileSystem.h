#pragma once
// Files and folders named in the system code page.
#include <string>

namespace win {

// A text in the system code page as UTF-16.
std::wstring AnsiToWide(const std::string &text);
// UTF-16 in the system code page; characters it lacks become its default one.
std::string WideToAnsi(const std::wstring &text);

bool FileExists(const std::string &path);

// The full path of a file of that name in the system folder; empty when the
// system folder cannot be named.
std::string SystemFolderFile(const char *name);
bool FolderExists(const std::string &path);

// Creates the folder and every missing parent; true when it exists afterwards.
// On false the system error code of the creation that failed is the thread's
// last error.
bool ForceDirectories(const std::wstring &folder);

} // namespace win
