#include "pages/Unit1.h"

#include "install/ShellFolder.h"
#include "ui/Application.h"
#include "ui/Rounding.h"
#include "win/PathText.h"

#include <shlobj.h>

TForm1 *Form1 = nullptr;

namespace {

constexpr const char *kDefaultFolderName = "Larkview\\";

} // namespace

ui::EventHandler TForm1::FindHandler(std::string_view name)
{
    return ui::BindHandler(*this, name, {
        {"FormCreate", &TForm1::FormCreate},
        {"FormMouseDown", &TForm1::FormMouseDown},
        {"Image1MouseDown", &TForm1::Image1MouseDown},
        {"ImageCloseClick", &TForm1::ImageCloseClick},
        {"ImageMinClick", &TForm1::ImageMinClick},
    });
}

void TForm1::Loaded()
{
    TForm::Loaded();
    Image1 = &Field<ui::TImage>("Image1");
    Image2 = &Field<ui::TImage>("Image2");
    ImageClose = &Field<ui::TImage>("ImageClose");
    ImageMin = &Field<ui::TImage>("ImageMin");
    Edit1 = &Field<ui::TEdit>("Edit1");
    Button1 = &Field<ui::TButton>("Button1");
}

void TForm1::FormCreate(ui::TObject *)
{
    SetWidth(588);
    SetHeight(400);
    ImageClose->SetBounds(Image1->Width() - 15, 5, 11, 11);
    ImageMin->SetWidth(10);
    ImageMin->SetHeight(2);
    ImageMin->SetLeft(ImageClose->Left() - 15);
    ImageMin->SetTop(10);
    Image2->SetWidth(197);
    Image2->SetHeight(47);
    Image2->SetLeft(ui::RoundHalfToEven((Width() - 197) / 2.0));
    Edit1->SetLeft(Image2->Left() - 20);
    Edit1->SetWidth(Image2->Width() + 40);
    Edit1->SetText(GetSpecialFolderPath(CSIDL_PROGRAM_FILES) + kDefaultFolderName);
    Button1->SetTop(Edit1->Top());
}

void TForm1::FormMouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}

void TForm1::Image1MouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}

void TForm1::ImageCloseClick(ui::TObject *)
{
    ui::Application->Terminate();
}

void TForm1::ImageMinClick(ui::TObject *)
{
    ui::Application->Minimize();
}

std::string GetSpecialFolderPath(int folder)
{
    // A failed lookup is not checked: the page then proposes the folder name
    // under a lone backslash.
    return IncludeTrailingBackslash(SpecialFolderPath(folder).value_or(std::string()));
}
