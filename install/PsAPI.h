#pragma once
// The process-status functions of PSAPI.dll, bound at run time. The library
// is taken from the system folder only, loaded on first use and kept for the
// rest of the run. While it is unavailable both functions report failure (0).
#include <windows.h>

namespace PsAPI {

BOOL EnumProcessModules(HANDLE process, HMODULE *modules, DWORD size, DWORD *needed);
DWORD GetModuleFileNameExA(HANDLE process, HMODULE module, char *fileName, DWORD size);

} // namespace PsAPI
