#pragma once
// The kernel's ToolHelp process functions, bound at run time so that the
// executable does not import them. While the binding is unavailable the
// snapshot is 0 and the walk finds no process.
#include <windows.h>
#include <tlhelp32.h>

namespace TlHelp32 {

HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD processId);
BOOL Process32First(HANDLE snapshot, PROCESSENTRY32 *entry);
BOOL Process32Next(HANDLE snapshot, PROCESSENTRY32 *entry);

} // namespace TlHelp32
