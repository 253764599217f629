// Stands in for a running product program: tells the test it is up, through
// the event handle given on its command line, then sleeps. It ends on its own
// after two minutes (stretched when Wine runs emulated) with exit code 7, so a
// terminated copy is told apart by its exit code 0.
#include "tests/support/Slowdown.h"

#include <windows.h>

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    const auto ready = reinterpret_cast<HANDLE>(std::strtoull(commandLine, nullptr, 10));
    SetEvent(ready);
    Sleep(testing_support::Slowed(120000));
    return 7;
}
