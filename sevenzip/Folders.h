#pragma once
#include <string>

namespace sevenzip {

// The folder value of a text: a backslash is appended unless the last byte
// is a backslash that stands as a single-byte character of the system code
// page (a 0x5C trail byte of a double-byte character does not count).
std::string IncludeTrailingBackslash(const std::string &folder);

// A text in the system code page as UTF-16.
std::wstring AnsiToWide(const std::string &text);

// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::wstring &folder);

} // namespace sevenzip
