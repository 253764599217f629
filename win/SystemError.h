#pragma once
// Texts of system error codes.
#include <windows.h>

#include <string>

namespace win {

// The system's own message text for a code, in its default language, without
// trailing blanks, line breaks and full stops; empty for a code the system
// has no text for.
std::string SystemErrorText(DWORD code);

} // namespace win
