#pragma once
#include <string_view>

namespace sevenzip {

// True when an item path of an archive names a file strictly below the
// destination folder: relative, without a drive or stream (":"), without
// control characters, without a part made only of dots and blanks (".." and
// the forms Windows trims to it), and without a part that Windows takes for a
// device (CON, NUL, COM1, "nul.txt"...). Both "\" and "/" separate parts.
bool IsSafeItemPath(std::wstring_view path);

} // namespace sevenzip
