#pragma once
// Waits of the Windows test programs, stretched for a Wine that runs many
// times slower than on this machine (the 32-bit build runs emulated there):
// LARKVIEW_SLOWDOWN in the environment gives the factor.
#include <windows.h>

#include <cstdlib>

namespace testing_support {

inline DWORD Slowed(DWORD milliseconds)
{
    char text[16] = {};
    const DWORD length = GetEnvironmentVariableA("LARKVIEW_SLOWDOWN", text, sizeof text);
    const unsigned long factor = length > 0 && length < sizeof text ? std::strtoul(text, nullptr, 10) : 0;
    return factor > 1 ? milliseconds * static_cast<DWORD>(factor) : milliseconds;
}

} // namespace testing_support
