// Holds a file open without sharing, as another program would:
//   hold_file <path> <ready event> <release event>
// Sets the ready event once the file is open and keeps it until the release
// event is set (at most a minute).
#include <windows.h>

int main(int argc, char **argv)
{
    if (argc != 4)
        return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
    if (!ready || !release)
        return 1;
    SetEvent(ready);
    WaitForSingleObject(release, 60000);
    CloseHandle(file);
    return 0;
}
