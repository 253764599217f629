#pragma once
// The progress page: a slideshow, the status line and the progress bar of
// the installation.
#include "pages/ExtractPayload.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

#include <array>
#include <cstdint>
#include <string>

class TForm2 : public ui::TForm, private ExtractProgressBar {
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
    void TimerStartDownloadTimer(ui::TObject *sender);

    // The install sequence: stops the running player, extracts the payload
    // while the bar follows, removes the archive, writes the shortcuts and
    // registry records and hands over to the finish page. An error of a step
    // ends it there and leaves this page on screen.
    void RunInstall();

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

private:
    void SetMax(int max) override;
    void SetPosition(int position) override;
    void StopPlayer();
    void Extract(const std::string &archivePath);
    void HandOverToFinishPage();
};

extern TForm2 *Form2;

// Waits that long while handling the thread's messages, so the page stays
// alive; correct across a wrap of the millisecond tick counter.
void WaitWithMessages(std::uint32_t milliseconds);
