// Tells whether Wine reads a program's memory where the program sees it:
// ReadProcessMemory is served by the wineserver, which reads the Linux
// process's memory at the address given, while qemu's user emulation places
// the emulated address space at an offset in its own. The probe reads one of
// its own variables that way, then takes the ToolHelp snapshot the
// running-program stopper takes (flags 15: with the module list, which Wine
// reads through ReadProcessMemory). It touches nothing of the wizard;
// tools/check-i686.sh runs it to learn whether a failing stopper says
// anything about our code. Exit status 0: both worked.
#include <windows.h>
#include <tlhelp32.h>
#include <stdio.h>

static volatile DWORD marker = 0x12345678;

int main(void)
{
    DWORD copy = 0;
    int faults = 0;
    if (!ReadProcessMemory(GetCurrentProcess(), (const void *)&marker, &copy, sizeof copy, NULL)) {
        printf("reading its own memory failed (error %lu)\n", GetLastError());
        faults++;
    } else if (copy != marker) {
        printf("reading its own memory gave %08lx for %08lx\n", copy, marker);
        faults++;
    } else {
        printf("reading its own memory gave what it holds\n");
    }
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        printf("the process snapshot (flags 15) failed (error %lu)\n", GetLastError());
        faults++;
    } else {
        printf("the process snapshot (flags 15) was taken\n");
        CloseHandle(snapshot);
    }
    return faults != 0;
}
