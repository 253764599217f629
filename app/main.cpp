// The wizard's entry: the application object, the three pages created from
// their layouts in order (the options page first, so it is the main window),
// and the message loop.
#include "pages/Unit1.h"
#include "pages/Unit2.h"
#include "pages/Unit3.h"
#include "ui/Application.h"

#include <windows.h>

#include <exception>

namespace {

// No DLL loaded at run time is taken from the installer's folder (a Downloads
// folder where a copy can be planted). The function is looked up rather than
// imported: Windows 7 without the loader update lacks it, and a missing import
// would stop the program before its first line.
void SearchDllsInTheSystemFolderOnly()
{
    using SetDefaultDllDirectoriesFunc = BOOL(WINAPI *)(DWORD);
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunc>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryA(""); // at least the current folder leaves the search
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    SearchDllsInTheSystemFolderOnly();
    try {
        ui::TApplication application;
        application.SetTitle("云雀视界安装向导");
        application.CreateForm(Form1);
        application.CreateForm(Form2);
        application.CreateForm(Form3);
        application.Run();
    } catch (...) {
        // Only start-up gets here: a window or a page that cannot be built.
        // Errors of the event handlers are reported where they are dispatched.
        ui::ReportException();
        return 1;
    }
    return 0;
}
