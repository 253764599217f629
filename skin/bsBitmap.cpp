#include "skin/bsBitmap.h"

#include "skin/bsSkinError.h"

#include <array>

namespace skin {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int32_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;
constexpr std::uint32_t kRgb = 0;       // BI_RGB
constexpr std::uint32_t kBitFields = 3; // BI_BITFIELDS

[[noreturn]] void Damaged(const char *what)
{
    throw TbsSkinError(std::string("Damaged skin picture: ") + what);
}

// Little-endian fields of one BMP file, never read past its end.
class Fields {
public:
    explicit Fields(std::string_view bytes) : bytes_(bytes) {}
    std::uint32_t U32(std::size_t at) const { return U16(at) | std::uint32_t(U16(at + 2)) << 16; }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }
    std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(Byte(at) | Byte(at + 1) << 8); }
    std::uint8_t Byte(std::size_t at) const
    {
        if (at >= bytes_.size())
            Damaged("a field lies beyond the end of the file");
        return static_cast<std::uint8_t>(bytes_[at]);
    }

private:
    std::string_view bytes_;
};

struct Layout {
    std::int32_t width = 0;
    std::int32_t height = 0; // negative: rows stored top first
    int bits = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::size_t paletteAt = 0;
    std::size_t paletteEntrySize = 4;
};

Layout ReadLayout(const Fields &file)
{
    Layout layout;
    const std::uint32_t headerSize = file.U32(kFileHeaderSize);
    if (headerSize == kCoreHeaderSize) {
        layout.width = file.U16(kFileHeaderSize + 4);
        layout.height = file.U16(kFileHeaderSize + 6);
        layout.bits = file.U16(kFileHeaderSize + 10);
        layout.paletteEntrySize = 3;
    } else if (headerSize >= kInfoHeaderSize && headerSize <= 1024) {
        layout.width = file.I32(kFileHeaderSize + 4);
        layout.height = file.I32(kFileHeaderSize + 8);
        layout.bits = file.U16(kFileHeaderSize + 14);
        layout.compression = file.U32(kFileHeaderSize + 16);
        layout.colorsUsed = file.U32(kFileHeaderSize + 32);
    } else {
        Damaged("unknown header size");
    }
    layout.paletteAt = kFileHeaderSize + headerSize;
    // Bit masks of a 40-byte header follow it, before any palette.
    if (layout.compression == kBitFields && headerSize == kInfoHeaderSize)
        layout.paletteAt += 12;
    return layout;
}

std::array<std::uint32_t, 256> ReadPalette(const Fields &file, const Layout &layout, std::size_t &count)
{
    std::array<std::uint32_t, 256> palette{};
    const std::size_t full = std::size_t{1} << layout.bits;
    count = layout.colorsUsed == 0 ? full : layout.colorsUsed;
    if (count > full)
        Damaged("more palette colours than the depth can address");
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = layout.paletteAt + i * layout.paletteEntrySize;
        palette[i] = std::uint32_t(file.Byte(at)) | std::uint32_t(file.Byte(at + 1)) << 8 |
                     std::uint32_t(file.Byte(at + 2)) << 16;
    }
    return palette;
}

} // namespace

TbsBitmap::TbsBitmap(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels))
{
    if (pixels_.size() != std::size_t(width_) * std::size_t(height_))
        throw TbsSkinError("Picture size does not match its pixels");
}

TbsBitmap TbsBitmap::ReadBmp(std::string_view stream, std::size_t &offset)
{
    if (offset > stream.size() || stream.size() - offset < kFileHeaderSize)
        Damaged("the stream ends inside a file header");
    const std::string_view rest = stream.substr(offset);
    if (rest[0] != 'B' || rest[1] != 'M')
        Damaged("no BMP file signature");
    const std::uint32_t fileSize = Fields(rest).U32(2);
    if (fileSize < kFileHeaderSize + kCoreHeaderSize || fileSize > rest.size())
        Damaged("the file header's length does not fit the stream");
    const Fields file(rest.substr(0, fileSize));
    const std::uint32_t pixelsAt = file.U32(10);

    const Layout layout = ReadLayout(file);
    const bool topDown = layout.height < 0;
    const std::int64_t height = topDown ? -std::int64_t{layout.height} : layout.height;
    if (layout.width <= 0 || height <= 0 || layout.width > kMaxSide || height > kMaxSide)
        Damaged("unsupported picture size");
    if (std::int64_t{layout.width} * height > kMaxPixels)
        Damaged("unsupported picture size");
    const bool paletted = layout.bits == 1 || layout.bits == 4 || layout.bits == 8;
    if (!paletted && layout.bits != 24 && layout.bits != 32)
        Damaged("unsupported colour depth");
    if (layout.compression != kRgb && !(layout.compression == kBitFields && layout.bits == 32))
        Damaged("unsupported compression");

    std::size_t paletteCount = 0;
    const std::array<std::uint32_t, 256> palette =
        paletted ? ReadPalette(file, layout, paletteCount) : std::array<std::uint32_t, 256>{};
    const std::size_t stride = (std::size_t(layout.width) * std::size_t(layout.bits) + 31) / 32 * 4;
    if (pixelsAt > fileSize || stride * std::size_t(height) > fileSize - pixelsAt)
        Damaged("the pixels lie beyond the file's length");

    const int width = layout.width;
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    for (std::int64_t row = 0; row < height; ++row) {
        const std::size_t at = pixelsAt + std::size_t(row) * stride;
        const std::int64_t y = topDown ? row : height - 1 - row;
        std::uint32_t *out = pixels.data() + std::size_t(y) * width;
        for (int x = 0; x < width; ++x) {
            if (paletted) {
                const std::size_t bit = std::size_t(x) * layout.bits;
                const unsigned shift = 8 - layout.bits - bit % 8;
                const unsigned index = (file.Byte(at + bit / 8) >> shift) & ((1u << layout.bits) - 1);
                if (index >= paletteCount)
                    Damaged("a pixel names a colour the palette lacks");
                out[x] = palette[index];
            } else {
                const std::size_t p = at + std::size_t(x) * (layout.bits / 8);
                out[x] = std::uint32_t(file.Byte(p)) | std::uint32_t(file.Byte(p + 1)) << 8 |
                         std::uint32_t(file.Byte(p + 2)) << 16;
            }
        }
    }
    offset += fileSize;
    return TbsBitmap(width, static_cast<int>(height), std::move(pixels));
}

} // namespace skin
