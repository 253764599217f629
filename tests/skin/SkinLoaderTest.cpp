// The stored skin's loader: versions, the INI value syntaxes, the entry
// rules, and damaged skins crafted byte by byte, which must leave the skin
// data empty without reading past their input.
#include "SkinBlobs.h"
#include "skin/bsCompressedStoredSkin.h"
#include "skin/bsDataSkinCheckRadioControl.h"
#include "skin/bsDataSkinStdLabelControl.h"
#include "skin/bsPngImage.h"
#include "skin/bsSkinData.h"

#include <gtest/gtest.h>

using namespace skin_blobs;

namespace {

const std::string kGoodText = Ini({
    "[VERSION]", "skinname=Test",
    "[PICTURES]", "activepicturescount=2", "0=a.bmp", "1=b.bmp",
    "[SKINCONTROLS]", "count=6", "0=checkbox:checkradio", "1=CheckBox:checkradio", "2=nocolon",
    "3=stdlabel:stdlabel", "4=panel1:panel", "5=thing:unknownkind",
    "[checkbox]", "pictureindex=2", "skinrect=5,-8,20,30", "checkimagerect=1,2,16,17", "fontstyle=fsbold fsunderline",
    "morphing=2", "leftstretch=1",
    "[CheckBox]", "pictureindex=1",
    "[stdlabel]", "fontcolor=255",
});

std::string Picture(std::uint32_t colour)
{
    return Bmp(3, 2, [colour](int, int) { return colour; });
}

std::string GoodSkin(std::int32_t version = 3)
{
    std::vector<std::string> form(version == 2 ? 5 : 3);
    if (version == 2) {
        form[3] = Picture(0x111111);
        form[4] = Picture(0x222222);
    }
    return Deflate(Stream(version, form, {Picture(0xFF0000), Picture(0x00FF00)}, kGoodText));
}

class SkinLoaderTest : public ::testing::Test {
protected:
    void Load(std::string compressed)
    {
        stored.SetCompressedData(std::move(compressed));
        data.SetCompressedStoredSkin(&stored);
    }

    skin::TbsCompressedStoredSkin stored{nullptr};
    skin::TbsSkinData data{nullptr};
};

} // namespace

TEST_F(SkinLoaderTest, VersionsUpToThreeLoadVersionTwoSkipsTwoPicturesAboveThreeLoadsNothing)
{
    EXPECT_TRUE(data.Empty());
    for (std::int32_t version : {3, 2, -7, 0}) {
        Load(GoodSkin(version));
        ASSERT_FALSE(data.Empty()) << "version " << version;
        ASSERT_EQ(data.Content().PictureCount(), 2) << "version " << version;
        EXPECT_EQ(data.Content().Picture(1)->Pixel(2, 1), 0x00FF00u) << "version " << version;
        EXPECT_EQ(data.Content().Info().skinName, "Test");
    }
    Load(GoodSkin(4));
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.FindSkinControl("checkbox"), -1);

    // An empty stream leaves the skin as it was.
    Load(GoodSkin());
    Load("");
    EXPECT_FALSE(data.Empty());
}

TEST_F(SkinLoaderTest, EntriesFollowTheirKindsAndAreFoundByExactName)
{
    Load(GoodSkin());
    ASSERT_FALSE(data.Empty());
    const auto &controls = data.Content().Controls();
    // No colon and an unknown kind make no entry; a known kind nobody reads does.
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(data.FindSkinControl("checkbox"), 0);
    EXPECT_EQ(data.FindSkinControl("CheckBox"), 1);
    EXPECT_EQ(data.FindSkinControl("CHECKBOX"), -1);
    EXPECT_EQ(data.FindSkinControl("panel1"), 3);
    EXPECT_EQ(data.FindSkinControl("nocolon"), -1);
    EXPECT_EQ(data.FindSkinControl(""), -1);

    const auto &box = dynamic_cast<const skin::TbsDataSkinCheckRadioControl &>(*controls[0]);
    EXPECT_EQ(box.SkinRect, (skin::TbsRect{5, 8, 20, 30})); // the minus sign does not count
    EXPECT_EQ(box.CheckImageRect, (skin::TbsRect{1, 2, 16, 17}));
    EXPECT_TRUE(box.UnCheckImageRect.IsEmpty());
    EXPECT_EQ(box.FontStyle, (skin::TbsSkinFontStyle{true, false, true, false}));
    EXPECT_FALSE(box.Morphing); // only 1 is true
    EXPECT_TRUE(box.LeftStretch);
    EXPECT_EQ(box.FontName, "Arial");
    EXPECT_EQ(box.FontHeight, 14);
    EXPECT_EQ(box.MaskPictureIndex, -1);
    // Index 2 equals the picture count: it names no picture.
    EXPECT_EQ(box.PictureIndex, 2);
    EXPECT_EQ(data.Content().Picture(box.PictureIndex), nullptr);

    const auto &label = dynamic_cast<const skin::TbsDataSkinStdLabelControl &>(*controls[2]);
    EXPECT_EQ(label.FontColor, 255);
    EXPECT_EQ(label.ActiveFontColor, 0xFF0000);
    EXPECT_EQ(data.Content().PictureNames(), (std::vector<std::string>{"a.bmp", "b.bmp"}));
}

TEST_F(SkinLoaderTest, ADamagedSkinLeavesTheSkinDataEmpty)
{
    const std::string stream = Stream(3, {"", "", ""}, {Picture(0xFF0000)}, kGoodText);
    const std::string compressed = Deflate(stream);

    std::string lyingLength = Picture(0xFF0000);
    lyingLength[4] = 0x10; // the file header claims a megabyte
    std::string lyingHeight = Picture(0xFF0000);
    lyingHeight[22] = 100; // 100 rows in a file that holds 2
    std::string lyingPalette = Bmp(2, 1, [](int, int) { return 0u; });
    lyingPalette[28] = 8; // 8-bit pixels: a palette the file does not have
    lyingPalette[46] = static_cast<char>(0xFF);

    const std::vector<std::pair<const char *, std::string>> damaged = {
        {"not a zlib stream", "this is no skin at all"},
        {"inflate error", compressed.substr(0, 10) + std::string(20, '\x55') + compressed.substr(30)},
        {"stream cut short", compressed.substr(0, compressed.size() / 2)},
        {"cut inside the version", Deflate(stream.substr(0, 2))},
        {"cut inside a picture", Deflate(stream.substr(0, 4 + 3 + 4 + 30))},
        {"picture count beyond the pictures",
         Deflate(Stream(3, {"", "", ""}, {}, "").substr(0, 7) + std::string("\x05\0\0\0", 4))},
        {"BMP longer than the stream", Deflate(Stream(3, {"", "", ""}, {lyingLength}, kGoodText))},
        {"BMP pixels beyond its length", Deflate(Stream(3, {"", "", ""}, {lyingHeight}, kGoodText))},
        {"BMP palette beyond its length", Deflate(Stream(3, {"", "", ""}, {lyingPalette}, kGoodText))},
        {"form picture cut short", Deflate(Stream(3, {Picture(1).substr(0, 20), "", ""}, {}, ""))},
        {"rectangle of three fields",
         Deflate(Stream(3, {"", "", ""}, {}, kGoodText + Ini({"[checkbox]"}) + "uncheckimagerect=1,2,3\r\n"))},
    };
    for (const auto &[what, blob] : damaged) {
        Load(GoodSkin());
        ASSERT_FALSE(data.Empty());
        Load(blob);
        EXPECT_TRUE(data.Empty()) << what;
        EXPECT_EQ(data.FindSkinControl("checkbox"), -1) << what;
    }
}

TEST(PngImageTest, DisabledAlphaIsHalvedRoundingHalvesToEven)
{
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(0), 0);
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(1), 0);   // 0.5
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(3), 2);   // 1.5
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(5), 2);   // 2.5
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(128), 64);
    EXPECT_EQ(skin::TbsPngImage::HalvedAlpha(255), 128); // 127.5
}
