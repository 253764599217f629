#include "tests/support/PngFile.h"
#include "ui/Blend.h"
#include "ui/PngImage.h"
#include "win/Gdi.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

using testing_support::PngColour;
using testing_support::PngFile;
using ui::PngError;
using ui::TPngImage;

namespace {

std::vector<std::uint8_t> Bgra(std::initializer_list<std::uint8_t> bytes)
{
    return bytes;
}

// A 32-bit device-independent canvas filled with one colour (0x00RRGGBB).
class Canvas {
public:
    Canvas(int width, int height, std::uint32_t fill)
        : screen_(nullptr), memory_(screen_.get()), dib_(screen_.get(), width, height),
          selected_(memory_.get(), dib_.get())
    {
        for (int i = 0; i < width * height; ++i)
            dib_.bits()[i] = fill;
    }
    HDC dc() const { return memory_.get(); }
    std::uint32_t at(int x, int y) const
    {
        GdiFlush();
        return dib_.bits()[y * dib_.width() + x] & 0xFFFFFF;
    }

private:
    win::WindowDC screen_;
    win::MemoryDC memory_;
    win::DibSection dib_;
    win::SelectedObject selected_;
};

} // namespace

TEST(PngDecode, RgbaPicturesKeepEveryChannelExactly)
{
    // R, G, B, A per pixel in the file.
    const std::string file = PngFile(2, 2, PngColour::Rgba, {255, 0, 0, 255, 0, 255, 0, 128, 0, 0, 255, 0, 1, 2, 3, 4});
    const TPngImage image = TPngImage::Decode(file);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_EQ(image.Pixels(), Bgra({0, 0, 255, 255, 0, 255, 0, 128, 255, 0, 0, 0, 3, 2, 1, 4}));
    const TPngImage later = TPngImage::DecodeWhenNeeded(file);
    EXPECT_EQ(later.Width(), 2);
    EXPECT_EQ(later.Height(), 2);
    EXPECT_EQ(later.Pixels(), image.Pixels());
}

TEST(PngDecode, PicturesWithoutAlphaBecomeOpaque)
{
    EXPECT_EQ(TPngImage::Decode(PngFile(2, 1, PngColour::Rgb, {10, 20, 30, 40, 50, 60})).Pixels(),
              Bgra({30, 20, 10, 255, 60, 50, 40, 255}));
    EXPECT_EQ(TPngImage::Decode(PngFile(2, 1, PngColour::Gray, {7, 200})).Pixels(),
              Bgra({7, 7, 7, 255, 200, 200, 200, 255}));
    EXPECT_EQ(TPngImage::Decode(PngFile(1, 1, PngColour::GrayAlpha, {9, 100})).Pixels(), Bgra({9, 9, 9, 100}));
}

TEST(PngDecode, PaletteTransparencyBecomesAlpha)
{
    // Two palette entries, the second fully transparent.
    const std::string file = PngFile(3, 1, PngColour::Palette, {0, 1, 0}, {10, 20, 30, 255, 40, 50, 60, 0});
    EXPECT_EQ(TPngImage::Decode(file).Pixels(), Bgra({30, 20, 10, 255, 60, 50, 40, 0, 30, 20, 10, 255}));
}

// What a full decode refuses, the check of a picture decoded later refuses
// at once.
TEST(PngDecode, CorruptDataIsAClearErrorNeverACrash)
{
    const auto refused = [](const std::string &file) {
        bool now = false;
        bool atCheck = false;
        try {
            TPngImage::Decode(file);
        } catch (const PngError &) {
            now = true;
        }
        try {
            TPngImage::DecodeWhenNeeded(file);
        } catch (const PngError &) {
            atCheck = true;
        }
        return now && atCheck;
    };
    const std::string good = PngFile(4, 4, PngColour::Rgba, std::vector<std::uint8_t>(64, 0x80));
    ASSERT_FALSE(refused(good));
    EXPECT_TRUE(refused(""));
    EXPECT_TRUE(refused("GIF89a and more bytes"));
    for (std::size_t length = 8; length < good.size(); length += 3)
        EXPECT_TRUE(refused(good.substr(0, length))) << length;
    // Every byte of the image data, damaged, fails the chunk's CRC.
    const std::size_t idat = good.find("IDAT");
    ASSERT_NE(idat, std::string::npos);
    const std::size_t length = static_cast<unsigned char>(good[idat - 1]);
    for (std::size_t i = idat + 4; i < idat + 4 + length; ++i) {
        std::string damaged = good;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x55);
        EXPECT_TRUE(refused(damaged)) << i;
    }
    // Image data with a matching CRC that cannot be inflated gets past the
    // check and fails when the pixels are first needed.
    std::string undecodable = good;
    undecodable[idat + 4] = 0;
    const std::uint32_t crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef *>(undecodable.data() + idat), static_cast<uInt>(4 + length)));
    for (int i = 0; i < 4; ++i)
        undecodable[idat + 4 + length + i] = static_cast<char>(crc >> (24 - 8 * i));
    const TPngImage later = TPngImage::DecodeWhenNeeded(undecodable);
    EXPECT_THROW(later.Pixels(), PngError);
    try {
        TPngImage::Decode("GIF89a and more bytes");
    } catch (const PngError &error) {
        EXPECT_STREQ(error.what(), "Invalid PNG picture: not a PNG file");
    }
}

TEST(PngDecode, RefusesGiantPicturesBeforeAllocating)
{
    std::string file = PngFile(1, 1, PngColour::Rgba, {1, 2, 3, 4});
    // IHDR data starts at byte 16 (width, height), its CRC follows 13 bytes later.
    const auto putBigEndian = [&file](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            file[at + i] = static_cast<char>(value >> (24 - 8 * i));
    };
    putBigEndian(16, 100000);
    putBigEndian(20, 100000);
    putBigEndian(29, static_cast<std::uint32_t>(
                         crc32(0, reinterpret_cast<const Bytef *>(file.data() + 12), 17)));
    EXPECT_THROW(TPngImage::Decode(file), PngError);
}

TEST(PngDraw, BlendsOverWhatIsAlreadyOnTheCanvas)
{
    Canvas canvas(4, 1, 0xFFFFFF);
    // Black at alpha 128, transparent red, opaque blue, green at alpha 64.
    const TPngImage image =
        TPngImage::Decode(PngFile(4, 1, PngColour::Rgba, {0, 0, 0, 128, 255, 0, 0, 0, 0, 0, 255, 255, 0, 255, 0, 64}));
    image.Draw(canvas.dc(), {0, 0, 4, 1});
    EXPECT_EQ(canvas.at(0, 0), 0x7F7F7Fu);
    EXPECT_EQ(canvas.at(1, 0), 0xFFFFFFu);
    EXPECT_EQ(canvas.at(2, 0), 0x0000FFu);
    const std::uint32_t mixed = ui::BlendChannel(0, 255, 64);
    EXPECT_EQ(canvas.at(3, 0), mixed << 16 | 0xFF00 | mixed);
}

TEST(PngDraw, DrawsAtTheTargetInLogicalCoordinatesAndOnlyThere)
{
    Canvas canvas(6, 6, 0x000000);
    const TPngImage image = TPngImage::Decode(PngFile(2, 2, PngColour::Rgba, std::vector<std::uint8_t>(16, 255)));
    SetViewportOrgEx(canvas.dc(), 1, 1, nullptr);
    image.Draw(canvas.dc(), {2, 3, 4, 5});
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.at(x, y), (x >= 3 && x < 5 && y >= 4 && y < 6) ? 0xFFFFFFu : 0u) << x << "," << y;
}

TEST(PngDraw, ClippingLimitsTheWork)
{
    Canvas canvas(4, 4, 0x000000);
    const TPngImage image = TPngImage::Decode(PngFile(4, 4, PngColour::Rgba, std::vector<std::uint8_t>(64, 255)));
    IntersectClipRect(canvas.dc(), 1, 1, 3, 3);
    image.Draw(canvas.dc(), {0, 0, 4, 4});
    EXPECT_EQ(canvas.at(0, 0), 0u);
    EXPECT_EQ(canvas.at(1, 1), 0xFFFFFFu);
    EXPECT_EQ(canvas.at(2, 2), 0xFFFFFFu);
    EXPECT_EQ(canvas.at(3, 3), 0u);
}

TEST(PngDraw, AnotherTargetSizeTakesTheNearestSourcePixel)
{
    Canvas canvas(4, 2, 0x000000);
    const TPngImage image = TPngImage::Decode(PngFile(2, 1, PngColour::Rgba, {255, 0, 0, 255, 0, 0, 255, 255}));
    image.Draw(canvas.dc(), {0, 0, 4, 2});
    // Columns 0..3 scale to 0, 0.5, 1, 1.5: rounded 0, 1, 1, 1 (the last kept inside).
    EXPECT_EQ(canvas.at(0, 0), 0xFF0000u);
    EXPECT_EQ(canvas.at(1, 0), 0x0000FFu);
    EXPECT_EQ(canvas.at(3, 1), 0x0000FFu);
}

TEST(PngDraw, AnOpaquePictureShowsTheRightPixelsInAnyClippedPart)
{
    // Every pixel different, all opaque: the part drawn must come from the
    // same place of the picture, whichever rows and columns show.
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 4; ++x)
            pixels.insert(pixels.end(),
                          {static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(40 * y), 7, 255});
    const TPngImage image = TPngImage::Decode(PngFile(4, 5, PngColour::Rgba, pixels));
    Canvas canvas(6, 7, 0x000000);
    IntersectClipRect(canvas.dc(), 2, 3, 5, 6);
    image.Draw(canvas.dc(), {1, 1, 5, 6});
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool shown = x >= 2 && x < 5 && y >= 3 && y < 6;
            const std::uint32_t expected =
                shown ? std::uint32_t(40 * (x - 1)) << 16 | std::uint32_t(40 * (y - 1)) << 8 | 7 : 0;
            EXPECT_EQ(canvas.at(x, y), expected) << x << "," << y;
        }
}
