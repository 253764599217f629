// The wizard's entry: the application object, the three pages created from
// their layouts in order (the options page first, so it is the main window),
// and the message loop.
#include "pages/Unit1.h"
#include "pages/Unit2.h"
#include "pages/Unit3.h"
#include "ui/Application.h"

#include <windows.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // Before anything else: no DLL is taken from the installer's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ui::TApplication application;
    application.SetTitle("云雀视界安装向导");
    try {
        application.CreateForm(Form1);
        application.CreateForm(Form2);
        application.CreateForm(Form3);
    } catch (...) {
        // Only a page that cannot be built gets here (a broken layout).
        ui::ReportException();
        return 1;
    }
    application.Run();
    return 0;
}
