#include "pages/Unit3.h"

#include "ui/Application.h"
#include "win/FileSystem.h"

#include <shellapi.h>

TForm3 *Form3 = nullptr;

ui::EventHandler TForm3::FindHandler(std::string_view name)
{
    return ui::BindHandler(*this, name, {
        {"FormCreate", &TForm3::FormCreate},
        {"Image1MouseDown", &TForm3::Image1MouseDown},
        {"Image2Click", &TForm3::Image2Click},
    });
}

void TForm3::Loaded()
{
    TForm::Loaded();
    Image1 = &Field<ui::TImage>("Image1");
    Image2 = &Field<ui::TImage>("Image2");
}

void TForm3::FormCreate(ui::TObject *)
{
    SetWidth(588);
    SetHeight(358);
}

void TForm3::Image1MouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}

void TForm3::Image2Click(ui::TObject *)
{
    // Neither start is checked or waited for: the wizard ends all the same.
    // The registration tool is named by its full path in the system folder:
    // by the search rules the folder the wizard was started from comes first,
    // and a program planted there beside a downloaded installer would run.
    const std::string parameters = "/s \"" + InstallDir + "rodeviv.dll\"";
    ShellExecuteA(nullptr, "open", win::SystemFolderFile("Regsvr32.exe").c_str(), parameters.c_str(), nullptr,
                  SW_SHOWNORMAL);
    ShellExecuteA(nullptr, nullptr, (InstallDir + "skyvu.exe").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ui::Application->Terminate();
}
