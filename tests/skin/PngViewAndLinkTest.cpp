// The chevron's image view and image list, the link label, and the options
// page as its layout builds it: stored values, the loaded skin, FormCreate's
// four checked boxes.
#include "SkinTestPage.h"
#include "pages/Unit1.h"
#include "skin/bsPngImageList.h"
#include "skin/bsPngImageView.h"
#include "skin/bsSkinData.h"
#include "skin/bsSkinLinkLabel.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

const char *const kChevron = "  object List1: TbsPngImageList\n    PngWidth = 20\n    PngHeight = 17\n"
                             "    PngImages.0.PngImage = 'CHEVRON_DOWN'\n"
                             "    PngImages.1.PngImage = 'CHEVRON_DOWN_HOT'\n"
                             "    PngImages.2.PngImage = 'CHEVRON_UP'\n    PngImages.3.PngImage = 'CHEVRON_UP_HOT'\n"
                             "  end\n"
                             "  object View1: TbsPngImageView\n    Left = 40\n    Top = 30\n    Width = 50\n"
                             "    Height = 50\n    PngImageList = List1\n    ImageIndex = 0\n"
                             "    OnClick = Clicked\n    OnMouseEnter = Entered\n  end\n";

// The page's pixels under the view's 20 x 17 area, as painted now.
Capture ViewArea(TSkinTestPage &page)
{
    return Capture(20, 17, [&](HDC dc) {
        SetViewportOrgEx(dc, -40, -30, nullptr);
        page.PaintTo(dc);
    });
}

bool AllWhite(const Capture &area)
{
    for (std::uint32_t pixel : area.pixels)
        if (pixel != kWhite)
            return false;
    return true;
}

class PngViewAndLinkTest : public ::testing::Test {
protected:
    ui::TApplication application;
};

} // namespace

TEST_F(PngViewAndLinkTest, ImageViewSizesToItsListAndShowsOnlyAValidIndex)
{
    auto page = LoadTestPage(application, kChevron);
    auto &view = page->Field<skin::TbsPngImageView>("View1");
    auto &list = page->Field<skin::TbsPngImageList>("List1");
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.PngImages()[3].Name, "PngImage3");
    // AutoSize takes the list's size once the layout has loaded.
    EXPECT_EQ(view.Width(), 20);
    EXPECT_EQ(view.Height(), 17);
    EXPECT_FALSE(AllWhite(ViewArea(*page)));

    // Below -1: the index stays, yet the view still resizes.
    view.SetBounds(40, 30, 50, 50);
    view.SetImageIndex(-5);
    EXPECT_EQ(view.ImageIndex(), 0);
    EXPECT_EQ(view.Width(), 20);
    EXPECT_EQ(view.Height(), 17);

    // 7 on four pictures is stored and shows nothing: the page shows through.
    view.SetImageIndex(7);
    EXPECT_EQ(view.ImageIndex(), 7);
    EXPECT_TRUE(AllWhite(ViewArea(*page)));

    // Pointing at it raises OnMouseEnter; a click raises OnClick.
    view.SetImageIndex(2);
    SendMessageA(page->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(45, 35));
    SendMessageA(page->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(45, 35));
    SendMessageA(page->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(45, 35));
    EXPECT_EQ(page->entered, std::vector<ui::TObject *>{&view});
    EXPECT_EQ(page->clicks, std::vector<ui::TObject *>{&view});

    // The list going first leaves the view without pictures, not dangling.
    view.Notification(list);
    EXPECT_EQ(view.PngImageList(), nullptr);
    EXPECT_TRUE(AllWhite(ViewArea(*page)));
}

TEST_F(PngViewAndLinkTest, LinkLabelRaisesOnClickBeforeItOpensItsUrl)
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string helper(path);
    helper = helper.substr(0, helper.find_last_of('\\') + 1) + "skin_opened_marker.exe";
    const std::string marker = helper + ".opened";
    DeleteFileA(marker.c_str());

    auto page = LoadTestPage(application, "  object Link1: TbsSkinLinkLabel\n    Left = 10\n    Top = 10\n"
                                          "    Caption = 'WWWW'\n    OnClick = Clicked\n  end\n");
    auto &link = page->Field<skin::TbsSkinLinkLabel>("Link1");
    EXPECT_EQ(link.SkinIndex(), -1);
    EXPECT_EQ(link.Cursor(), ui::crHandPoint);
    link.URL = helper;
    bool openedBeforeClick = true;
    page->onClick = [&] { openedBeforeClick = testing_support::FileExists(marker); };

    SendMessageA(page->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(12, 12));
    EXPECT_TRUE(link.Hovered());
    SendMessageA(page->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(12, 12));
    SendMessageA(page->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(12, 12));
    ASSERT_EQ(page->clicks, std::vector<ui::TObject *>{&link});
    EXPECT_FALSE(openedBeforeClick);
    bool opened = false;
    for (int i = 0; i < 600 && !opened; ++i) {
        Sleep(100);
        opened = testing_support::FileExists(marker);
    }
    EXPECT_TRUE(opened) << "the URL was not opened";
    DeleteFileA(marker.c_str());
}

TEST_F(PngViewAndLinkTest, OptionsPageLoadsItsSkinAndChecksTheFourBoxes)
{
    TForm1 *form = nullptr;
    application.CreateForm(form);
    auto &skinData = form->Field<skin::TbsSkinData>("bsSkinData1");
    ASSERT_FALSE(skinData.Empty());
    EXPECT_EQ(skinData.FindSkinControl("checkbox"), 0);
    EXPECT_GE(skinData.FindSkinControl("stdlabel"), 0);
    for (auto *box : {form->bsSkinCheckRadioBox1, form->bsSkinCheckRadioBox2, form->bsSkinCheckRadioBox3,
                      form->bsSkinCheckRadioBox4}) {
        EXPECT_TRUE(box->Checked()) << box->Name();
        EXPECT_TRUE(box->TabStop());
        EXPECT_EQ(box->SkinDataName(), "checkbox");
    }
    EXPECT_EQ(form->bsSkinCheckRadioBox2->TabOrder(), 1);
    EXPECT_EQ(form->bsSkinCheckRadioBox4->Caption(), "生成桌面快捷方式");
    EXPECT_EQ(form->bsPngImageView1->ImageIndex(), 0);
    EXPECT_EQ(form->bsPngImageView1->Width(), 20);
    EXPECT_EQ(form->bsPngImageView1->Height(), 17);
    EXPECT_EQ(form->bsSkinLinkLabel2->Caption(), "自定义选项");
    EXPECT_EQ(form->bsSkinLinkLabel1->SkinData(), nullptr);
    EXPECT_EQ(form->bsSkinLinkLabel1->DefaultFont().Color(), ui::clBlue);
}
