#include "TestPage.h"
#include "tests/support/PixelCapture.h"

#include "ui/Application.h"
#include "ui/Blend.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "win/Gdi.h"

#include <gtest/gtest.h>

namespace {

class ControlTest : public ::testing::Test {
protected:

    void Load(const std::string &body)
    {
        page = std::make_unique<TTestPage>();
        page->LoadFromText("object Page1: TTestPage\n  Width = 200\n  Height = 100\n  Color = $000000FF\n" + body +
                           "end\n");
        page->Show();
        application.ProcessMessages();
    }

    void Mouse(UINT message, WPARAM keys, int x, int y)
    {
        SendMessageA(page->Handle(), message, keys, MAKELPARAM(x, y));
    }

    ui::TApplication application;
    std::unique_ptr<TTestPage> page;
};

constexpr std::uint32_t kRed = 0xFF0000;   // as a DIB pixel: 0x00RRGGBB
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;

} // namespace

TEST_F(ControlTest, AClickIsAPressAndReleaseInsideTheSameGraphicControl)
{
    Load("  OnMouseDown = Pressed\n"
         "  object Image1: TImage\n    Left = 10\n    Top = 10\n    Width = 20\n    Height = 20\n"
         "    OnClick = Clicked\n    OnMouseDown = Pressed\n  end\n");
    auto &image = page->Field<ui::TImage>("Image1");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 15, 16);
    Mouse(WM_LBUTTONUP, 0, 29, 29);
    ASSERT_EQ(page->presses.size(), 1u);
    EXPECT_EQ(page->presses[0].sender, &image);
    EXPECT_TRUE(page->presses[0].left);
    EXPECT_EQ(page->presses[0].x, 5); // in the image's own coordinates
    EXPECT_EQ(page->presses[0].y, 6);
    EXPECT_EQ(page->clicks, std::vector<ui::TObject *>{&image});

    // Released outside: no click.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 15, 15);
    Mouse(WM_LBUTTONUP, 0, 60, 60);
    EXPECT_EQ(page->clicks.size(), 1u);

    // The right button does not click.
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 15, 15);
    Mouse(WM_RBUTTONUP, 0, 15, 15);
    EXPECT_EQ(page->clicks.size(), 1u);
    EXPECT_EQ(page->presses.back().button, ui::TMouseButton::mbRight);
    EXPECT_FALSE(page->presses.back().left);

    // A press beside the image reaches the page.
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 100, 50);
    Mouse(WM_LBUTTONUP, 0, 100, 50);
    EXPECT_EQ(page->presses.back().sender, page.get());
    EXPECT_EQ(page->presses.back().x, 100);
}

TEST_F(ControlTest, LosingTheCaptureCancelsTheClick)
{
    Load("  object Image1: TImage\n    Width = 20\n    Height = 20\n    OnClick = Clicked\n  end\n");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    ReleaseCapture(); // as the window drag does
    Mouse(WM_LBUTTONUP, 0, 5, 5);
    EXPECT_TRUE(page->clicks.empty());
}

TEST_F(ControlTest, AClickRunsWithTheMouseFree)
{
    Load("  OnClick = Clicked\n"
         "  object Image1: TImage\n    Width = 20\n    Height = 20\n    OnClick = Clicked\n  end\n");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    ASSERT_EQ(GetCapture(), page->Handle()) << "a press holds the mouse until the release";
    Mouse(WM_LBUTTONUP, 0, 5, 5);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 100, 50);
    Mouse(WM_LBUTTONUP, 0, 100, 50);
    EXPECT_EQ(page->clicks, (std::vector<ui::TObject *>{&page->Field<ui::TImage>("Image1"), page.get()}));
    EXPECT_EQ(page->capturesAtClick, (std::vector<HWND>{nullptr, nullptr}));
}

TEST_F(ControlTest, HiddenAndDisabledGraphicControlsLetThePressThrough)
{
    Load("  OnMouseDown = Pressed\n"
         "  object Under: TImage\n    Width = 50\n    Height = 50\n    OnMouseDown = Pressed\n  end\n"
         "  object Hidden: TImage\n    Width = 20\n    Height = 20\n    Visible = False\n    OnMouseDown = Pressed\n  end\n"
         "  object Off: TImage\n    Left = 100\n    Width = 20\n    Height = 20\n    Enabled = False\n"
         "    OnMouseDown = Pressed\n  end\n");
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Mouse(WM_LBUTTONUP, 0, 5, 5);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 105, 5);
    Mouse(WM_LBUTTONUP, 0, 105, 5);
    ASSERT_EQ(page->presses.size(), 2u);
    EXPECT_EQ(page->presses[0].sender, &page->Field<ui::TImage>("Under"));
    EXPECT_EQ(page->presses[1].sender, page.get());
}

TEST_F(ControlTest, ThePointerEntersAndLeavesGraphicControls)
{
    Load("  object A: TImage\n    Width = 20\n    Height = 20\n    OnMouseEnter = Entered\n    OnMouseLeave = Exited\n  end\n"
         "  object B: TImage\n    Left = 30\n    Width = 20\n    Height = 20\n    OnMouseEnter = Entered\n"
         "    OnMouseLeave = Exited\n  end\n");
    auto &a = page->Field<ui::TImage>("A");
    auto &b = page->Field<ui::TImage>("B");
    Mouse(WM_MOUSEMOVE, 0, 5, 5);
    Mouse(WM_MOUSEMOVE, 0, 6, 6);
    Mouse(WM_MOUSEMOVE, 0, 35, 5);
    Mouse(WM_MOUSEMOVE, 0, 100, 80);
    EXPECT_EQ(page->entered, (std::vector<ui::TObject *>{&a, &b}));
    EXPECT_EQ(page->left, (std::vector<ui::TObject *>{&a, &b}));
    Mouse(WM_MOUSEMOVE, 0, 5, 5);
    SendMessageA(page->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(page->left.back(), &a);
}

TEST_F(ControlTest, TabMovesTheFocusThroughTheTabOrderSkippingWhatCannotTakeIt)
{
    Load("  object B2: TButton\n    TabOrder = 2\n  end\n"
         "  object B0: TButton\n    Left = 80\n    TabOrder = 0\n  end\n"
         "  object E3: TEdit\n    Top = 40\n    Enabled = False\n    TabOrder = 3\n  end\n"
         "  object B1: TButton\n    Top = 70\n    TabOrder = 1\n  end\n");
    auto &b0 = page->Field<ui::TButton>("B0");
    auto &b1 = page->Field<ui::TButton>("B1");
    auto &b2 = page->Field<ui::TButton>("B2");
    EXPECT_TRUE(b0.Focused()) << "the first tab stop takes the focus when the page becomes active";

    const auto tab = [&](bool shift) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
        application.ProcessMessages();
    };
    tab(false);
    EXPECT_TRUE(b1.Focused());
    tab(false);
    EXPECT_TRUE(b2.Focused());
    tab(false);
    EXPECT_TRUE(b0.Focused()) << "the disabled box is skipped and the order wraps";
    tab(true);
    EXPECT_TRUE(b2.Focused());
    tab(true);
    EXPECT_TRUE(b1.Focused());
    tab(false);
    EXPECT_TRUE(b2.Focused());
}

TEST_F(ControlTest, EnterAndEscapeHaveNoPageWideMeaning)
{
    Load("  object B0: TButton\n    OnClick = Clicked\n  end\n");
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
    application.ProcessMessages();
    EXPECT_TRUE(page->clicks.empty());
    EXPECT_TRUE(IsWindowVisible(page->Handle()));
}

TEST_F(ControlTest, ASystemButtonClicksThroughItsNotification)
{
    Load("  object B0: TButton\n    OnClick = Clicked\n  end\n");
    auto &button = page->Field<ui::TButton>("B0");
    SendMessageA(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(page->clicks, std::vector<ui::TObject *>{&button});
}

TEST_F(ControlTest, PaintBeneathAWindowedControlPaintsTheBackgroundAndEveryOverlappingGraphic)
{
    Load("  object L1: TLabel\n    AutoSize = False\n    Width = 10\n    Height = 10\n    Color = $0000FF00\n  end\n"
         "  object L2: TLabel\n    AutoSize = False\n    Left = 5\n    Top = 5\n    Width = 10\n    Height = 10\n"
         "    Color = $00FF0000\n  end\n"
         "  object B: TButton\n    Left = 8\n    Top = 8\n    Width = 10\n    Height = 10\n  end\n"
         "  object L3: TLabel\n    AutoSize = False\n    Left = 16\n    Top = 16\n    Width = 10\n    Height = 10\n"
         "    Color = $0000FF00\n  end\n");
    const auto pixels = Capture(10, 10, [&](HDC dc) {
        page->PaintBeneath(page->Field<ui::TButton>("B"), dc);
    }).pixels;
    EXPECT_EQ(pixels[0], kBlue);            // page (8, 8): L2 over L1
    EXPECT_EQ(pixels[6 * 10 + 6], kBlue);   // (14, 14): L2
    EXPECT_EQ(pixels[7 * 10 + 7], kRed);    // (15, 15): the page's colour
    EXPECT_EQ(pixels[9 * 10 + 9], kGreen);  // (17, 17): L3, created after the button yet beneath it
}

TEST_F(ControlTest, PaintBeneathAGraphicControlPaintsOnlyWhatLiesBeforeIt)
{
    Load("  object L1: TLabel\n    AutoSize = False\n    Width = 10\n    Height = 10\n    Color = $0000FF00\n  end\n"
         "  object L2: TLabel\n    AutoSize = False\n    Left = 5\n    Top = 5\n    Width = 10\n    Height = 10\n"
         "    Color = $00FF0000\n  end\n"
         "  object L3: TLabel\n    AutoSize = False\n    Left = 5\n    Top = 5\n    Width = 10\n    Height = 10\n"
         "    Color = $00FFFFFF\n  end\n");
    bool copyMarked = false;
    const auto pixels = Capture(10, 10, [&](HDC dc) {
        page->PaintBeneath(page->Field<ui::TLabel>("L2"), dc);
        copyMarked = page->PaintingCopy();
    }).pixels;
    EXPECT_EQ(pixels[0], kGreen);         // (5, 5): L1 only, neither L2 nor L3
    EXPECT_EQ(pixels[6 * 10 + 6], kRed);  // (11, 11): the page
    EXPECT_FALSE(copyMarked) << "the copy mark lasts only while the copy is painted";
}

TEST_F(ControlTest, APagePaintsItsColourThenItsPicturesBlendedInZOrder)
{
    Load("  object Glyph: TImage\n    Left = 3\n    Top = 4\n    Picture.Png = 'GLYPH'\n  end\n");
    const auto &picture = *page->Field<ui::TImage>("Glyph").Picture().Graphic();
    const auto pixels = Capture(200, 100, [&](HDC dc) { page->PaintTo(dc); }).pixels;
    EXPECT_EQ(pixels[0], kRed);
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint8_t *source = &picture.Pixels()[(y * picture.Width() + x) * 4];
            const std::uint32_t expected = std::uint32_t{ui::BlendChannel(source[2], 0xFF, source[3])} << 16 |
                                           std::uint32_t{ui::BlendChannel(source[1], 0, source[3])} << 8 |
                                           ui::BlendChannel(source[0], 0, source[3]);
            ASSERT_EQ(pixels[(y + 4) * 200 + x + 3], expected) << x << "," << y;
        }
    }
}

// The bar moves on the screen while its thread handles no messages (the
// extraction runs on the page's thread), and what the system repaints later
// shows the same position.
TEST_F(ControlTest, AProgressBarShowsEachPositionAtOnceAndRepaintsTheSame)
{
    Load("  object Bar: TProgressBar\n    Left = 10\n    Top = 10\n    Width = 102\n    Height = 7\n"
         "    Smooth = True\n  end\n");
    auto &bar = page->Field<ui::TProgressBar>("Bar");
    const HWND window = bar.Handle();
    const std::uint32_t done = SystemPixel(COLOR_HIGHLIGHT), rest = SystemPixel(COLOR_BTNFACE);
    ASSERT_NE(done, rest);
    ASSERT_EQ(bar.ClientSize().cx, 100) << "a one-pixel edge all round";
    const auto filled = [&] {
        const Capture shown = ShownPixels(window, 100, 5);
        int width = 0;
        while (width < 100 && shown(width, 2) == done)
            ++width;
        for (int x = width; x < 100; ++x)
            EXPECT_EQ(shown(x, 2), rest) << x;
        return width;
    };
    EXPECT_EQ(filled(), 0);
    bar.SetMax(1000);
    bar.SetPosition(500);
    EXPECT_EQ(filled(), 50);
    bar.SetPosition(123);
    EXPECT_EQ(filled(), 12) << "moving back";
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    EXPECT_EQ(filled(), 12) << "the system's repaint";
    bar.SetPosition(5000);
    EXPECT_EQ(filled(), 100) << "beyond the maximum";
    bar.SetMax(-1);
    EXPECT_EQ(filled(), 0) << "an empty range";
}

TEST_F(ControlTest, ClientAlignedControlsFollowThePagesSize)
{
    Load("  object Back: TImage\n    Width = 671\n    Height = 618\n    Align = alClient\n  end\n");
    auto &back = page->Field<ui::TImage>("Back");
    EXPECT_EQ(back.Width(), 200);
    EXPECT_EQ(back.Height(), 100);
    page->SetWidth(588);
    page->SetHeight(550);
    EXPECT_EQ((std::array{back.Left(), back.Top(), back.Width(), back.Height()}), (std::array{0, 0, 588, 550}));
    RECT window;
    GetWindowRect(page->Handle(), &window);
    EXPECT_EQ(window.right - window.left, 588);
    EXPECT_EQ(window.bottom - window.top, 550);
}

TEST_F(ControlTest, TheWindowMovedByTheSystemKeepsItsPositionInStep)
{
    Load("");
    SetWindowPos(page->Handle(), nullptr, 123, 45, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(page->Left(), 123);
    EXPECT_EQ(page->Top(), 45);
}

TEST_F(ControlTest, PagesSwallowTheEraseSoNothingFlashesBeforeThePaint)
{
    Load("");
    win::WindowDC dc(page->Handle());
    EXPECT_EQ(SendMessageA(page->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0), 1);
}

TEST_F(ControlTest, PagesAreCentredOnTheDesktopWhenFirstShownIfTheirLayoutSaysSo)
{
    page = std::make_unique<TTestPage>();
    page->LoadFromText("object P: TTestPage\n  Width = 300\n  Height = 200\n  Position = poDesktopCenter\nend\n");
    page->Show();
    EXPECT_EQ(page->Left(), std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 300) / 2));
    EXPECT_EQ(page->Top(), std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 200) / 2));
    page->SetLeft(5);
    page->Hide();
    page->Show();
    EXPECT_EQ(page->Left(), 5) << "centred only the first time";
}
