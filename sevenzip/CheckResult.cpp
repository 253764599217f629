#include "sevenzip/CheckResult.h"

#include "win/SystemError.h"

#include <stdexcept>

namespace sevenzip {

void CheckResult(HRESULT code)
{
    if (code != S_OK)
        throw std::runtime_error(win::SystemErrorText(static_cast<DWORD>(code)));
}

} // namespace sevenzip
