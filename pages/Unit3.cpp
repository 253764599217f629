#include "pages/Unit3.h"

#include "pages/PageDrag.h"
#include "ui/Application.h"

#include <shellapi.h>

#include <stdexcept>

TForm3 *Form3 = nullptr;

namespace {

// The registration tool is named by its full path in the system folder: by
// the search rules the folder the wizard was started from comes first, and a
// program planted there beside a downloaded installer would run instead.
std::string SystemProgram(const char *name)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        throw std::runtime_error("The system folder cannot be found");
    return std::string(folder, length) + "\\" + name;
}

} // namespace

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
    DragPage(*this, shift);
}

void TForm3::Image2Click(ui::TObject *)
{
    // Neither start is checked or waited for: the wizard ends all the same.
    const std::string parameters = "/s \"" + InstallDir + "rodeviv.dll\"";
    ShellExecuteA(nullptr, "open", SystemProgram("Regsvr32.exe").c_str(), parameters.c_str(), nullptr,
                  SW_SHOWNORMAL);
    ShellExecuteA(nullptr, nullptr, (InstallDir + "skyvu.exe").c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    ui::Application->Terminate();
}
