// A DLL without exports, planted beside a test program under the names of
// system DLLs: taking it instead of the system's copy leaves the functions
// unresolved and the DLL visible among the loaded modules.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
