#pragma once
// Paths of the shell's special folders.
#include <optional>
#include <string>

// The path of the special folder with this CSIDL number, as the shell gives
// it (no trailing backslash except for a drive root); empty when the shell
// has no path for it.
std::optional<std::string> SpecialFolderPath(int csidl);
