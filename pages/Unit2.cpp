#include "pages/Unit2.h"

#include "install/ProcessStopper.h"
#include "install/ProductInfo.h"
#include "install/RegistryRecords.h"
#include "install/ShellLink.h"
#include "pages/Unit3.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "win/FileSystem.h"

#include <shlobj.h>

TForm2 *Form2 = nullptr;

namespace {

constexpr const char *kArchiveFile = "Larkview.7z";
constexpr const char *kProgramsToStop = "skydock.exe|skyvu.exe|meshport.exe|skyhaul.exe|skyvunote.exe";
constexpr int kMaxStopPasses = 21;

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
        {"TimerStartDownloadTimer", &TForm2::TimerStartDownloadTimer},
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

void TForm2::TimerStartDownloadTimer(ui::TObject *)
{
    // Off first: the sequence pumps messages and must never start twice.
    TimerStartDownload->SetEnabled(false);
    Label1->SetCaption("...");
    RunInstall();
}

void TForm2::RunInstall()
{
    const std::string archivePath = InstallDir + kArchiveFile;
    if (!win::FileExists(archivePath)) {
        ui::ShowMessage(std::string("安装包有误，找不到离线文件，建议去官方网站( ") + kProductHomePage +
                        " )下载安装包");
        ui::Application->Terminate();
        return;
    }
    StopPlayer();
    WaitWithMessages(3000);
    Label1->SetCaption("正在释放文件...");
    ui::Application->ProcessMessages();
    Extract(archivePath);
    Label1->SetCaption("完成:100% .");
    DeleteFileA(archivePath.c_str());
    CreateProgramShortcuts(InstallDir, DesktopFlag == "1", QuickLaunchFlag == "1");
    CreateShellLink(InstallDir + "UnInstall.exe", CSIDL_PROGRAMS, L"云雀视界\\卸载云雀视界");
    if (AutoRunFlag == "1")
        SetAutoRun(InstallDir + "skyvu.exe", " Minimize ", true);
    WriteUninstallEntry(InstallDir + "UnInstall.exe", InstallDir + "skyvu.exe");
    HandOverToFinishPage();
}

// Up to 21 passes one second apart; the first pass that finds nothing to
// stop ends the loop.
void TForm2::StopPlayer()
{
    for (int pass = 0; pass < kMaxStopPasses; ++pass) {
        Label1->SetCaption("正在关闭云雀视界播放器主程序...");
        if (!StopRunningPrograms(kProgramsToStop))
            return;
        WaitWithMessages(1000);
    }
}

void TForm2::Extract(const std::string &archivePath)
{
    const ScopedExtractProgressBar bar(*this);
    ExtractPayload(archivePath, InstallDir);
}

void TForm2::SetMax(int max)
{
    ProgressBar1->SetMax(max);
}

void TForm2::SetPosition(int position)
{
    ProgressBar1->SetPosition(position);
}

void TForm2::HandOverToFinishPage()
{
    Form3->InstallDir = InstallDir;
    Form3->SetTop(Top());
    Form3->SetLeft(Left());
    Form3->Show();
    Hide();
}

void WaitWithMessages(std::uint32_t milliseconds)
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        ui::Application->ProcessMessages();
        Sleep(1);
    }
}
