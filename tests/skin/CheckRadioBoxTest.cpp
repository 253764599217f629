// The skinned check box drawn into off-screen bitmaps and driven with real
// messages: the state image the table chooses, magenta left transparent
// wherever it lies, caption colours, focus dots, the look without skin, and
// the state machine behind clicks, space and Checked.
#include "SkinBlobs.h"
#include "SkinTestPage.h"
#include "skin/bsCompressedStoredSkin.h"
#include "skin/bsSkinCheckRadioBox.h"
#include "skin/bsSkinData.h"
#include "skin/bsSkinPaint.h"
#include "ui/Label.h"

#include <gtest/gtest.h>

using namespace skin_blobs;
using skin::TCheckBoxState;

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF; // as DIB pixels: 0x00RRGGBB
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kYellow = 0xFFFF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kCyan = 0x00FFFF;
constexpr std::uint32_t kMagenta = 0xFF00FF;

// Five 15 x 15 state images on magenta, each with magenta corners and a
// magenta centre: unchecked red, pointed-at unchecked yellow, pointed-at
// checked blue, checked green, grayed cyan.
std::string TestSkin()
{
    const std::uint32_t colours[] = {kRed, kYellow, kBlue, kGreen, kCyan};
    const std::string picture = Bmp(100, 17, [&](int x, int y) {
        const int image = (x - 1) / 19;
        const int ix = (x - 1) % 19;
        const int iy = y - 1;
        if (x < 1 || image > 4 || ix >= 15 || iy < 0 || iy >= 15)
            return kMagenta;
        const bool corner = (ix == 0 || ix == 14) && (iy == 0 || iy == 14);
        return corner || (ix == 7 && iy == 7) ? kMagenta : colours[image];
    });
    const std::string text = Ini({
        "[PICTURES]", "activepicturescount=1", "0=states.bmp",
        "[SKINCONTROLS]", "count=1", "0=checkbox:checkradio",
        "[checkbox]", "pictureindex=0", "fontname=Arial", "fontheight=16", "fontstyle=fsbold",
        "framefontcolor=16711680", "unenabledfontcolor=65280",
        "uncheckimagerect=1,1,16,16", "activeuncheckimagerect=20,1,35,16", "activecheckimagerect=39,1,54,16",
        "checkimagerect=58,1,73,16", "grayedcheckimagerect=77,1,92,16",
        "unenabledcheckimagerect=0,0,0,0", "unenableduncheckimagerect=0,0,0,0",
    });
    return Deflate(Stream(3, {"", "", ""}, {picture}, text));
}

bool Has(const Capture &face, int left, int right, std::uint32_t colour)
{
    for (int y = 0; y < 25; ++y)
        for (int x = left; x < right; ++x)
            if (face(x, y) == colour)
                return true;
    return false;
}

class CheckRadioBoxTest : public ::testing::Test {
protected:
    // Boxes A, B, C at 10, 10 / 10, 40 / 10, 70 (150 x 25) with OnClick.
    void Load(const std::string &extra = "", bool skinned = true)
    {
        std::string body = "  object Skin1: TbsSkinData\n  end\n";
        for (int i = 0; i < 3; ++i)
            body += std::string("  object ") + char('A' + i) + ": TbsSkinCheckRadioBox\n    Left = 10\n    Top = " +
                    std::to_string(10 + 30 * i) + "\n    Caption = 'WWW'\n    TabStop = True\n" +
                    (skinned ? "    SkinData = Skin1\n" : "") + "    OnClick = Clicked\n" + extra + "  end\n";
        page = LoadTestPage(application, body);
        stored.SetCompressedData(TestSkin());
        page->Field<skin::TbsSkinData>("Skin1").LoadStoredSkin(stored);
        page->clicks.clear();
    }

    skin::TbsSkinCheckRadioBox &Box(const char *name) { return page->Field<skin::TbsSkinCheckRadioBox>(name); }

    Capture Face(skin::TbsSkinCheckRadioBox &box)
    {
        return Capture(150, 25, [&](HDC dc) { box.PaintTo(dc); });
    }

    void Send(skin::TbsSkinCheckRadioBox &box, UINT message, WPARAM wParam = 0, LPARAM lParam = MAKELPARAM(5, 5))
    {
        SendMessageA(box.Handle(), message, wParam, lParam);
    }

    void LeftClick(skin::TbsSkinCheckRadioBox &box)
    {
        Send(box, WM_LBUTTONDOWN, MK_LBUTTON);
        Send(box, WM_LBUTTONUP, 0);
    }

    ui::TApplication application;
    skin::TbsCompressedStoredSkin stored{nullptr};
    std::unique_ptr<TSkinTestPage> page;
};

} // namespace

TEST_F(CheckRadioBoxTest, PaintsTheStateImageTheTableChoosesWithMagentaTransparentWherever)
{
    Load();
    auto &box = Box("A");
    // The image stands at x = 3, y = 25 div 2 - 15 div 2 = 5.
    const auto image = [&](const Capture &face) { return face(4, 6); };
    Capture face = Face(box);
    EXPECT_EQ(image(face), kRed);
    EXPECT_EQ(face(3, 5), kWhite);   // magenta corner
    EXPECT_EQ(face(10, 12), kWhite); // magenta in the middle of the image
    EXPECT_EQ(face(17, 19), kWhite); // outside the 15 x 15 image
    EXPECT_TRUE(Has(face, 22, 148, kBlue)) << "caption in framefontcolor";
    EXPECT_FALSE(Has(face, 0, 150, kMagenta));

    Send(box, WM_MOUSEMOVE);
    EXPECT_TRUE(box.MouseInside());
    EXPECT_EQ(image(Face(box)), kYellow);
    box.SetChecked(true);
    EXPECT_EQ(image(Face(box)), kBlue);
    Send(box, WM_MOUSELEAVE);
    EXPECT_FALSE(box.MouseInside());
    EXPECT_EQ(image(Face(box)), kGreen);

    // Disabled: the empty disabled rectangles fall back to the normal ones;
    // the caption turns to unenabledfontcolor.
    box.SetEnabled(false);
    face = Face(box);
    EXPECT_EQ(image(face), kGreen);
    EXPECT_TRUE(Has(face, 22, 148, kGreen));
    EXPECT_FALSE(Has(face, 22, 148, kBlue));
    box.SetEnabled(true);

    box.SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(image(Face(box)), kCyan);
    box.SetChecked(false); // grayed stays
    EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed);
    EXPECT_EQ(image(Face(box)), kCyan);

    // A skin that loads later is picked up by the next paint.
    auto &other = Box("B");
    page->Field<skin::TbsSkinData>("Skin1").LoadStoredSkin(stored);
    EXPECT_EQ(image(Face(other)), kRed);
}

TEST_F(CheckRadioBoxTest, WithoutSkinDrawsItsOwnBoxFrameAndTick)
{
    Load("", false);
    auto &box = Box("A");
    const int m = 25 / 2;
    Capture face = Face(box);
    EXPECT_EQ(box.SkinIndex(), -1);
    EXPECT_EQ(face(3, m - 7), SystemPixel(COLOR_BTNSHADOW)); // frame
    EXPECT_EQ(face(16, m + 6), SystemPixel(COLOR_BTNSHADOW));
    EXPECT_EQ(face(7, m), kWhite); // no tick
    EXPECT_TRUE(Has(face, 22, 148, 0x000000)) << "caption in the default font's colour";

    box.SetChecked(true);
    Send(box, WM_MOUSEMOVE);
    face = Face(box);
    EXPECT_EQ(face(3, m - 7), 0x000080u); // dark blue while pointed at
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(face(7, m + 1 - i), 0x000000u) << "tick line " << i;
    EXPECT_EQ(face(7, m + 2), kWhite);

    box.SetState(TCheckBoxState::cbGrayed);
    EXPECT_EQ(Face(box)(7, m), SystemPixel(COLOR_GRAYTEXT));
}

TEST_F(CheckRadioBoxTest, FocusDotsAlternateAroundTheOutlineFirstDotByParity)
{
    // (left, top, right, bottom) as given; the outline is one smaller.
    struct Case {
        RECT area;
        bool firstSet;
    };
    for (const Case &c : {Case{{2, 2, 8, 7}, true}, Case{{2, 2, 7, 7}, false}, Case{{1, 3, 8, 9}, true},
                          Case{{1, 1, 4, 6}, false}}) {
        const Capture dots(12, 12, [&](HDC dc) {
            RECT all{0, 0, 12, 12};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            SetTextColor(dc, RGB(0, 0, 0));
            skin::DrawFocusDots(dc, c.area);
        });
        const int l = c.area.left, t = c.area.top, r = c.area.right - 1, b = c.area.bottom - 1;
        std::vector<bool> walk;
        for (int x = l; x < r; ++x)
            walk.push_back(dots(x, t) == 0);
        for (int y = t; y < b; ++y)
            walk.push_back(dots(r, y) == 0);
        for (int x = r; x > l; --x)
            walk.push_back(dots(x, b) == 0);
        for (int y = b; y > t; --y)
            walk.push_back(dots(l, y) == 0);
        EXPECT_EQ(walk.front(), c.firstSet);
        for (std::size_t i = 1; i < walk.size(); ++i)
            EXPECT_NE(walk[i], walk[i - 1]) << "dot " << i << " of " << l << "," << t << "," << r << "," << b;
        int set = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x)
                set += dots(x, y) == 0;
        EXPECT_EQ(set, (r - l) + (b - t)) << "only the outline, every other pixel";
    }

    // The focused box draws them round its caption, in the caption's colour:
    // the first tab stop from the page's activation, then the one focused.
    Load();
    auto &a = Box("A");
    auto &b = Box("B");
    const auto dotsLeftOfCaption = [&](skin::TbsSkinCheckRadioBox &box) { return Has(Face(box), 20, 21, kBlue); };
    ASSERT_TRUE(a.Focused());
    EXPECT_TRUE(dotsLeftOfCaption(a));
    EXPECT_FALSE(dotsLeftOfCaption(b));
    b.SetFocus();
    ASSERT_TRUE(b.Focused());
    EXPECT_FALSE(dotsLeftOfCaption(a));
    EXPECT_TRUE(dotsLeftOfCaption(b));
}

TEST_F(CheckRadioBoxTest, CheckedAndStateRaiseOnClickOnEverySet)
{
    Load();
    auto &box = Box("A");
    box.SetChecked(true);
    box.SetChecked(true);
    EXPECT_EQ(page->clicks.size(), 2u);
    EXPECT_EQ(box.State(), TCheckBoxState::cbChecked);
    box.SetState(TCheckBoxState::cbUnchecked);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(page->clicks.size(), 3u);

    box.Radio = true;
    box.SetChecked(false);
    EXPECT_EQ(page->clicks.size(), 3u) << "a radio button unchecked raises nothing";
    box.Toggle();
    box.Toggle();
    EXPECT_TRUE(box.Checked()) << "a radio button only checks itself";
    EXPECT_EQ(page->clicks.size(), 4u);
}

TEST_F(CheckRadioBoxTest, ClicksToggleGoGrayedFirstWhenAllowedAndIgnoreTheRightButton)
{
    Load();
    auto &box = Box("A");
    ASSERT_FALSE(box.MouseInside());
    LeftClick(box); // never entered: the press itself sets the pointer-inside flag
    EXPECT_TRUE(box.Checked());
    EXPECT_TRUE(box.Focused()) << "a click gives the box the focus";
    LeftClick(box);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(page->clicks.size(), 2u) << "one OnClick per click, none from the framework's click";

    Send(box, WM_RBUTTONDOWN, MK_RBUTTON);
    Send(box, WM_RBUTTONUP, 0);
    EXPECT_FALSE(box.Checked());
    EXPECT_EQ(page->clicks.size(), 2u);

    box.AllowGrayed = true;
    LeftClick(box);
    EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed);
    EXPECT_FALSE(box.Checked());
    LeftClick(box);
    EXPECT_EQ(box.State(), TCheckBoxState::cbChecked);
    LeftClick(box);
    EXPECT_EQ(box.State(), TCheckBoxState::cbUnchecked);
    EXPECT_EQ(page->clicks.size(), 5u);
}

TEST_F(CheckRadioBoxTest, SpaceTogglesTheFocusedBoxOnReleaseAndGroupsUncheckEachOther)
{
    Load();
    auto &a = Box("A");
    auto &b = Box("B");
    auto &c = Box("C");
    a.SetFocus();
    ASSERT_TRUE(a.Focused());
    Send(a, WM_KEYDOWN, VK_SPACE, 0x00390001);
    EXPECT_FALSE(a.Checked());
    Send(a, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    EXPECT_TRUE(a.Checked());
    Send(b, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001u));
    EXPECT_FALSE(b.Checked()) << "only the focused box";

    a.GroupIndex = b.GroupIndex = 1;
    c.SetChecked(true); // group 0: never affected
    page->clicks.clear();
    b.SetChecked(true);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(c.Checked());
    EXPECT_EQ(page->clicks, (std::vector<ui::TObject *>{&a, &b}));
}

// A window repainted from outside shows its last face again, but never a
// stale one: whatever changed beneath the box, in the box, or where the box
// now lies shows at the next repaint.
TEST_F(CheckRadioBoxTest, ARepaintShowsWhatChangedBeneathTheBoxSinceTheLastOne)
{
    page = LoadTestPage(application, "  object Under: TLabel\n    AutoSize = False\n    Left = 0\n    Top = 0\n"
                                     "    Width = 160\n    Height = 30\n    Color = $0000FF00\n  end\n"
                                     "  object A: TbsSkinCheckRadioBox\n    Left = 5\n    Top = 2\n    Width = 150\n"
                                     "    Height = 25\n    Caption = 'W'\n  end\n");
    auto &box = Box("A");
    const auto shown = [&] {
        RedrawWindow(box.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return ShownPixels(box.Handle(), 150, 25);
    };
    const int m = 25 / 2;
    EXPECT_EQ(shown()(140, m), kGreen);
    EXPECT_EQ(shown()(140, m), kGreen) << "a second repaint with nothing changed";

    page->Field<ui::TLabel>("Under").SetColor(ui::TColor(0xFF0000)); // blue, as BGR
    EXPECT_EQ(shown()(140, m), kBlue) << "the label beneath changed";

    box.SetChecked(true);
    EXPECT_EQ(shown()(7, m), 0x000000u) << "the box's own tick";

    box.SetLeft(150);
    const Capture moved = shown();
    EXPECT_EQ(moved(5, m), kBlue) << "still over the label";
    EXPECT_EQ(moved(140, m), kWhite) << "beyond the label: the page";
}
