// The wizard's entry: the application object, the three pages created from
// their layouts in order (the options page first, so it is the main window),
// and the message loop.
#include "pages/Unit1.h"
#include "pages/Unit2.h"
#include "pages/Unit3.h"
#include "ui/Application.h"
#include "win/Module.h"

#include <windows.h>

#include <exception>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    win::SearchDllsInTheSystemFolderOnly();
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
