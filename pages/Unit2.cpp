#include "pages/Unit2.h"

#include "ui/Application.h"

TForm2 *Form2 = nullptr;

namespace {

// The slide on view, 1 to 5; 0 after the fifth, so the next tick shows the first.
int SlideCounter = 0;

} // namespace

ui::EventHandler TForm2::FindHandler(std::string_view name)
{
    return ui::BindHandler(*this, name, {
        {"FormCreate", &TForm2::FormCreate},
        {"Timer1Timer", &TForm2::Timer1Timer},
        {"ImageClose11Click", &TForm2::ImageClose11Click},
        {"ImageMinClick", &TForm2::ImageMinClick},
        {"Image6MouseDown", &TForm2::Image6MouseDown},
    });
}

void TForm2::Loaded()
{
    TForm::Loaded();
    for (std::size_t i = 0; i < Slides.size(); ++i)
        Slides[i] = &Field<ui::TImage>("Image" + std::to_string(i + 1));
    Image6 = &Field<ui::TImage>("Image6");
    Label1 = &Field<ui::TLabel>("Label1");
    ImageMin = &Field<ui::TImage>("ImageMin");
    ImageClose = &Field<ui::TImage>("ImageClose");
    ProgressBar1 = &Field<ui::TProgressBar>("ProgressBar1");
    Timer1 = &Field<ui::TTimer>("Timer1");
    TimerStartDownload = &Field<ui::TTimer>("TimerStartDownload");
}

void TForm2::FormCreate(ui::TObject *)
{
    SetWidth(588);
    SetHeight(358);
    SlideCounter = 1;
    Image6->Picture().Assign(Slides[0]->Picture());
    Image6->SetAlign(ui::TAlign::alClient);
    ImageClose->SetLeft(Image6->Width() - 15);
    ImageClose->SetTop(5);
    ImageMin->SetLeft(ImageClose->Left() - 25);
    ImageMin->SetTop(10);
    ProgressBar1->SetTop(338);
    ProgressBar1->SetLeft(20);
    ProgressBar1->SetHeight(7);
    ProgressBar1->SetWidth(548);
    Label1->SetTop(ProgressBar1->Top() - 18);
    Label1->SetLeft(ProgressBar1->Width() - 460);
}

void TForm2::Timer1Timer(ui::TObject *)
{
    ++SlideCounter;
    if (SlideCounter >= 1 && SlideCounter <= 5)
        Image6->Picture().Assign(Slides[static_cast<std::size_t>(SlideCounter - 1)]->Picture());
    if (SlideCounter == 5)
        SlideCounter = 0;
}

void TForm2::ImageClose11Click(ui::TObject *)
{
    if (ui::Application->MessageBox("正在安装云雀视界播放器，确定要退出吗？", "警告", MB_YESNO | MB_ICONWARNING) == IDYES)
        ui::Application->Terminate();
}

void TForm2::ImageMinClick(ui::TObject *)
{
    ui::Application->Minimize();
}

void TForm2::Image6MouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}
