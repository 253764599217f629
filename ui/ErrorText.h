#pragma once
// The text of the application's default error report.
#include <string>

namespace ui {

// The error's text with a full stop appended when its last character sorts
// after "." (code page 936 bytes compared unsigned: a double-byte character
// always ends in a byte above "."), so "Disk full" reads "Disk full." while
// "Done." or "(x)" stay as they are. An empty text stays empty.
inline std::string ErrorReportText(std::string text)
{
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

} // namespace ui
