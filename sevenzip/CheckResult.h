#pragma once
#include <windows.h>

namespace sevenzip {

// Returns for 0; raises std::runtime_error with the system text for any
// other code, S_FALSE (1) included.
void CheckResult(HRESULT code);

} // namespace sevenzip
