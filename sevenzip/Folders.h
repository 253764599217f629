#pragma once
#include <string>

namespace sevenzip {

// A text in the system code page as UTF-16.
std::wstring AnsiToWide(const std::string &text);

// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::wstring &folder);

} // namespace sevenzip
