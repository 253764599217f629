#include "pages/Unit3.h"

TForm3 *Form3 = nullptr;

ui::EventHandler TForm3::FindHandler(std::string_view name)
{
    return ui::BindHandler(*this, name, {
        {"FormCreate", &TForm3::FormCreate},
        {"Image1MouseDown", &TForm3::Image1MouseDown},
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
