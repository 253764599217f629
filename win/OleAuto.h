#pragma once
// The two BSTR functions of oleaut32.dll that the archive adapter needs,
// bound at run time from the system folder: only extraction uses them, and a
// static import would load the library before the first page is painted.
// The library is loaded on first use and kept for the rest of the run.
#include <windows.h>

#include <oleauto.h>

namespace win {

// SysAllocStringLen; null when out of memory or the library is unavailable.
BSTR AllocateBstr(const wchar_t *text, UINT length);

// SysStringLen; 0 for a null string (or while the library is unavailable).
UINT BstrLength(BSTR text);

} // namespace win
