// Does to the running wizard what its taskbar button does, for end-to-end
// tests under Wine (no taskbar there):
//   TaskbarButton title     prints the button's text (code page 936)
//   TaskbarButton restore   restores the minimised wizard
//   TaskbarButton minimise  minimises it
// The button belongs to the wizard's application window. Exit code 2 when no
// wizard runs.
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    HWND application = FindWindowA("TApplication", nullptr);
    if (!application || argc != 2)
        return 2;
    if (std::strcmp(argv[1], "title") == 0) {
        char title[256] = {};
        GetWindowTextA(application, title, sizeof title);
        std::fputs(title, stdout);
        return 0;
    }
    if (std::strcmp(argv[1], "restore") == 0)
        return PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0) ? 0 : 1;
    if (std::strcmp(argv[1], "minimise") == 0)
        return PostMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE, 0) ? 0 : 1;
    return 2;
}
