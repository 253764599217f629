#pragma once
// The progress page: a slideshow, the status line and the progress bar of
// the installation.
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

#include <array>
#include <string>

class TForm2 : public ui::TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TForm2"; }
    ui::EventHandler FindHandler(std::string_view name) override;
    void Loaded() override;

    void FormCreate(ui::TObject *sender);
    void Timer1Timer(ui::TObject *sender);
    void ImageClose11Click(ui::TObject *sender);
    void ImageMinClick(ui::TObject *sender);
    void Image6MouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);

    // Written by the options page before the install starts; a flag is "1"
    // or "0", the folder ends with a backslash.
    std::string DesktopFlag;
    std::string QuickLaunchFlag;
    std::string AutoRunFlag;
    std::string InstallDir;

    // The five slides (Image1 ... Image5), never shown themselves.
    std::array<ui::TImage *, 5> Slides{};
    ui::TImage *Image6 = nullptr;
    ui::TLabel *Label1 = nullptr;
    ui::TImage *ImageMin = nullptr;
    ui::TImage *ImageClose = nullptr;
    ui::TProgressBar *ProgressBar1 = nullptr;
    ui::TTimer *Timer1 = nullptr;
    ui::TTimer *TimerStartDownload = nullptr;
};

extern TForm2 *Form2;
