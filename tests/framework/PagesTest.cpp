// The real pages, built from the layouts and pictures bound into this test
// program as into the wizard: their create handlers' geometry, the slideshow,
// and a capture of each page (the progress and finish pages are shown here
// directly, which only a test may do) saved under <build tree>/screenshots.
#include "pages/Unit1.h"
#include "pages/Unit2.h"
#include "pages/Unit3.h"
#include "tests/support/PngFile.h"
#include "tests/support/TestFiles.h"
#include "ui/Application.h"
#include "win/Gdi.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>

namespace {

std::array<int, 4> Bounds(const ui::TControl &control)
{
    return {control.Left(), control.Top(), control.Width(), control.Height()};
}

// The page as it is on screen, as 0x00RRGGBB pixels.
std::vector<std::uint32_t> CapturePage(ui::TForm &page)
{
    ui::Application->ProcessMessages();
    UpdateWindow(page.Handle());
    win::WindowDC window(page.Handle());
    win::MemoryDC memory(window.get());
    win::DibSection dib(window.get(), page.Width(), page.Height());
    {
        win::SelectedObject selected(memory.get(), dib.get());
        BitBlt(memory.get(), 0, 0, page.Width(), page.Height(), window.get(), 0, 0, SRCCOPY);
    }
    GdiFlush();
    return {dib.bits(), dib.bits() + page.Width() * page.Height()};
}

void SaveCapture(const std::vector<std::uint32_t> &pixels, int width, int height, const std::string &name)
{
    const char *tree = std::getenv("LARKVIEW_TREE");
    if (!tree)
        return;
    const std::string folder = testing_support::HostPath(std::string(tree) + "/screenshots");
    CreateDirectoryA(folder.c_str(), nullptr);
    // The capture holds 0x00RRGGBB; the file takes R, G, B, A.
    std::vector<std::uint8_t> rgba;
    rgba.reserve(pixels.size() * 4);
    for (const std::uint32_t pixel : pixels)
        rgba.insert(rgba.end(), {std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel), 255});
    testing_support::WriteBytes(folder + "\\" + name + ".png",
                                testing_support::PngFile(width, height, testing_support::PngColour::Rgba, rgba));
}

// The opaque picture pixel at (x, y) as 0x00RRGGBB.
std::uint32_t PicturePixel(const ui::TImage &image, int x, int y)
{
    const ui::TPngImage &picture = *image.Picture().Graphic();
    const std::uint8_t *p = &picture.Pixels()[(std::size_t(y) * picture.Width() + x) * 4];
    EXPECT_EQ(p[3], 255) << "pick an opaque pixel";
    return std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

class PagesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        application = std::make_unique<ui::TApplication>();
        application->SetTitle("云雀视界安装向导");
        application->CreateForm(Form1);
        application->CreateForm(Form2);
        application->CreateForm(Form3);
    }
    static void TearDownTestSuite() { application.reset(); }

    static std::unique_ptr<ui::TApplication> application;
};

std::unique_ptr<ui::TApplication> PagesTest::application;

} // namespace

TEST_F(PagesTest, AllThreePagesExistAndNoneIsShownBeforeTheLoopRuns)
{
    EXPECT_EQ(application->MainForm(), Form1);
    EXPECT_EQ(Form1->Name(), "Form1");
    EXPECT_EQ(Form2->Name(), "Form2");
    EXPECT_EQ(Form3->Name(), "Form3");
    for (ui::TForm *page : std::array<ui::TForm *, 3>{Form1, Form2, Form3})
        EXPECT_FALSE(IsWindowVisible(page->Handle()));
    EXPECT_EQ(Form2->DesktopFlag, "");
    EXPECT_EQ(Form2->QuickLaunchFlag, "");
    EXPECT_EQ(Form2->AutoRunFlag, "");
    EXPECT_EQ(Form2->InstallDir, "");
    EXPECT_EQ(Form3->InstallDir, "");
}

TEST_F(PagesTest, OptionsPageGeometryFromItsCreateHandler)
{
    EXPECT_EQ(Bounds(*Form1), (std::array{Form1->Left(), Form1->Top(), 588, 400}));
    EXPECT_EQ(Bounds(*Form1->Image1), (std::array{0, 0, 588, 400}));
    EXPECT_EQ(Bounds(*Form1->ImageClose), (std::array{573, 5, 11, 11}));
    EXPECT_EQ(Bounds(*Form1->ImageMin), (std::array{558, 10, 10, 2}));
    EXPECT_EQ(Bounds(*Form1->Image2), (std::array{196, 336, 197, 47}));
    EXPECT_EQ(Bounds(*Form1->Edit1), (std::array{176, 400, 237, 25}));
    EXPECT_EQ(Bounds(*Form1->Button1), (std::array{440, 400, 75, 25}));
    EXPECT_FALSE(Form1->Edit1->Enabled());
    EXPECT_EQ(Form1->Edit1->Text(), "C:\\Program Files\\Larkview\\");
    EXPECT_EQ(Form1->Edit1->Text(), GetSpecialFolderPath(38) + "Larkview\\");
    EXPECT_EQ(Form1->Button1->Caption(), "浏览");
    EXPECT_EQ(Form1->Image2->Cursor(), ui::crHandPoint);
}

TEST_F(PagesTest, ProgressPageGeometryFromItsCreateHandler)
{
    EXPECT_EQ(Form2->Width(), 588);
    EXPECT_EQ(Form2->Height(), 358);
    EXPECT_EQ(Bounds(*Form2->Image6), (std::array{0, 0, 588, 358}));
    EXPECT_EQ(Bounds(*Form2->ImageClose), (std::array{573, 5, 15, 15}));
    EXPECT_EQ(Bounds(*Form2->ImageMin), (std::array{548, 10, 15, 15}));
    EXPECT_EQ(Bounds(*Form2->ProgressBar1), (std::array{20, 338, 548, 7}));
    EXPECT_EQ(Form2->Label1->Left(), 88);
    EXPECT_EQ(Form2->Label1->Top(), 320);
    EXPECT_EQ(Form2->Label1->Caption(), "");
    EXPECT_TRUE(Form2->Label1->Transparent());
    EXPECT_EQ(Form2->ProgressBar1->Max(), 100);
    EXPECT_TRUE(Form2->ProgressBar1->Smooth());
    EXPECT_TRUE(Form2->Timer1->Enabled());
    EXPECT_EQ(Form2->Timer1->Interval(), 3000u);
    EXPECT_FALSE(Form2->TimerStartDownload->Enabled());
    EXPECT_EQ(Form2->TimerStartDownload->Interval(), 100u);
    for (ui::TImage *slide : Form2->Slides) {
        EXPECT_FALSE(slide->Visible());
        EXPECT_EQ(slide->Picture().Width(), 588);
        EXPECT_EQ(slide->Picture().Height(), 358);
    }
}

TEST_F(PagesTest, TheSlideshowShowsSlidesOneToFiveInTurnFromTheFirst)
{
    // A fresh counter, as at creation.
    Form2->FormCreate(Form2);
    const auto shown = [] {
        for (std::size_t i = 0; i < Form2->Slides.size(); ++i)
            if (Form2->Image6->Picture().Graphic() == Form2->Slides[i]->Picture().Graphic())
                return static_cast<int>(i) + 1;
        return 0;
    };
    EXPECT_EQ(shown(), 1);
    std::vector<int> sequence;
    for (int tick = 0; tick < 11; ++tick) {
        Form2->Timer1Timer(Form2->Timer1);
        sequence.push_back(shown());
    }
    EXPECT_EQ(sequence, (std::vector<int>{2, 3, 4, 5, 1, 2, 3, 4, 5, 1, 2}));
}

TEST_F(PagesTest, FinishPageGeometryFromItsCreateHandler)
{
    EXPECT_EQ(Form3->Width(), 588);
    EXPECT_EQ(Form3->Height(), 358);
    EXPECT_EQ(Bounds(*Form3->Image1), (std::array{0, 0, 588, 358}));
    EXPECT_EQ(Bounds(*Form3->Image2), (std::array{168, 296, 241, 41}));
}

TEST_F(PagesTest, EachPageShowsItsPictures)
{
    Form1->Show();
    const auto options = CapturePage(*Form1);
    SaveCapture(options, 588, 400, "page_options");
    EXPECT_EQ(options[100 * 588 + 100] & 0xFFFFFF, PicturePixel(*Form1->Image1, 100, 100));
    EXPECT_EQ(options[(336 + 23) * 588 + 196 + 40] & 0xFFFFFF, PicturePixel(*Form1->Image2, 40, 23));

    // The fold-out's height, to look at the folder box and browse button.
    Form1->SetHeight(550);
    SaveCapture(CapturePage(*Form1), 588, 550, "page_options_unfolded");
    Form1->SetHeight(400);
    Form1->Hide();

    Form2->FormCreate(Form2);
    Form2->Label1->SetCaption("正在释放文件...");
    Form2->ProgressBar1->SetPosition(40);
    Form2->Show();
    const auto progress = CapturePage(*Form2);
    SaveCapture(progress, 588, 358, "page_progress");
    EXPECT_EQ(progress[100 * 588 + 100] & 0xFFFFFF, PicturePixel(*Form2->Slides[0], 100, 100));
    Form2->Label1->SetCaption("");
    Form2->ProgressBar1->SetPosition(0);
    Form2->Hide();

    Form3->SetLeft(Form2->Left());
    Form3->SetTop(Form2->Top());
    Form3->Show();
    const auto finish = CapturePage(*Form3);
    SaveCapture(finish, 588, 358, "page_finish");
    EXPECT_EQ(finish[100 * 588 + 100] & 0xFFFFFF, PicturePixel(*Form3->Image1, 100, 100));
    Form3->Hide();
}
