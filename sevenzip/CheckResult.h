#pragma once
#include <windows.h>

#include <string>

namespace sevenzip {

// The system's own message text for a code, in its default language, without
// trailing blanks, line breaks and full stops; empty for a code the system
// has no text for.
std::string SystemErrorText(DWORD code);

// Returns for 0; raises std::runtime_error with the system text for any
// other code, S_FALSE (1) included.
void CheckResult(HRESULT code);

} // namespace sevenzip
