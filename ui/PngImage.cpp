#include "ui/PngImage.h"

#include "ui/Blend.h"
#include "win/Gdi.h"

#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>

namespace ui {
namespace {

// Pictures beyond this size are refused before anything is allocated.
constexpr png_uint_32 kMaxSide = 16384;

struct Source {
    const unsigned char *data;
    std::size_t size;
    std::size_t position;
    char message[200];
};

void OnError(png_structp png, png_const_charp message)
{
    auto *source = static_cast<Source *>(png_get_error_ptr(png));
    const std::size_t length = std::min(std::strlen(message), sizeof source->message - 1);
    std::memcpy(source->message, message, length);
    source->message[length] = '\0';
    png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

void OnRead(png_structp png, png_bytep out, std::size_t count)
{
    auto *source = static_cast<Source *>(png_get_io_ptr(png));
    if (count > source->size - source->position)
        png_error(png, "the picture data ends early");
    std::memcpy(out, source->data + source->position, count);
    source->position += count;
}

struct ReadStruct {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~ReadStruct() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

// libpng reports errors by longjmp back into these two steps, so they keep
// no C++ object with a destructor between setjmp and the library calls.
bool ReadHeader(png_structp png, png_infop info, png_uint_32 *width, png_uint_32 *height)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    *width = png_get_image_width(png, info);
    *height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != std::size_t{*width} * 4)
        png_error(png, "unsupported pixel format");
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

// libpng over a PNG file in memory: the header is read on construction, the
// pixels on request.
class PngReader {
public:
    explicit PngReader(std::string_view bytes)
        : source_{reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size(), 0, {}}
    {
        if (bytes.size() < 8 || png_sig_cmp(source_.data, 0, 8) != 0)
            throw PngError("Invalid PNG picture: not a PNG file");
        read_.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &source_, OnError, OnWarning);
        if (!read_.png)
            throw PngError("Invalid PNG picture: out of memory");
        read_.info = png_create_info_struct(read_.png);
        if (!read_.info)
            throw PngError("Invalid PNG picture: out of memory");
        png_set_read_fn(read_.png, &source_, OnRead);
        png_set_user_limits(read_.png, kMaxSide, kMaxSide);
        if (!ReadHeader(read_.png, read_.info, &width_, &height_))
            Fail();
    }
    PngReader(const PngReader &) = delete;
    PngReader &operator=(const PngReader &) = delete;

    int Width() const { return static_cast<int>(width_); }
    int Height() const { return static_cast<int>(height_); }

    std::vector<std::uint8_t> ReadPixels()
    {
        std::vector<std::uint8_t> pixels(std::size_t{width_} * height_ * 4);
        std::vector<png_bytep> rows(height_);
        for (png_uint_32 y = 0; y < height_; ++y)
            rows[y] = pixels.data() + std::size_t{y} * width_ * 4;
        if (!ReadRows(read_.png, rows.data()))
            Fail();
        return pixels;
    }

private:
    [[noreturn]] void Fail() const { throw PngError(std::string("Invalid PNG picture: ") + source_.message); }

    Source source_;
    ReadStruct read_;
    png_uint_32 width_ = 0;
    png_uint_32 height_ = 0;
};

std::uint32_t BigEndian(const unsigned char *bytes)
{
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// Walks the chunks after the signature up to IEND as a full decode would
// read them: each must lie within the file, and a critical chunk's checksum
// must match (libpng skips an ancillary chunk whose checksum fails).
void CheckChunks(std::string_view bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    for (std::size_t at = 8;;) {
        if (bytes.size() - at < 12 || BigEndian(data + at) > bytes.size() - at - 12)
            throw PngError("Invalid PNG picture: the picture data ends early");
        const std::uint32_t length = BigEndian(data + at);
        const unsigned char *type = data + at + 4;
        const bool critical = (type[0] & 0x20) == 0;
        if (critical && crc32(0, type, 4 + length) != BigEndian(type + 4 + length))
            throw PngError("Invalid PNG picture: a chunk fails its CRC check");
        if (std::memcmp(type, "IEND", 4) == 0)
            return;
        at += 12 + std::size_t{length};
    }
}

} // namespace

TPngImage TPngImage::Decode(std::string_view bytes)
{
    PngReader reader(bytes);
    return TPngImage(reader.Width(), reader.Height(), reader.ReadPixels());
}

TPngImage TPngImage::DecodeWhenNeeded(std::string_view bytes)
{
    const PngReader reader(bytes);
    CheckChunks(bytes);
    return TPngImage(reader.Width(), reader.Height(), bytes);
}

TPngImage::TPngImage(int width, int height, std::vector<std::uint8_t> pixels) : width_(width), height_(height)
{
    SetPixels(std::move(pixels));
}

TPngImage::TPngImage(int width, int height, std::string_view pending)
    : width_(width), height_(height), pending_(pending)
{
}

void TPngImage::SetPixels(std::vector<std::uint8_t> pixels) const
{
    pixels_ = std::move(pixels);
    opaque_ = true;
    for (std::size_t i = 3; i < pixels_.size() && opaque_; i += 4)
        opaque_ = pixels_[i] == 255;
}

const std::vector<std::uint8_t> &TPngImage::Pixels() const
{
    if (!pending_.empty()) {
        SetPixels(PngReader(pending_).ReadPixels());
        pending_ = {};
    }
    return pixels_;
}

TPngImage TPngImage::FromPixels(int width, int height, std::vector<std::uint8_t> pixels)
{
    if (width < 0 || height < 0 || pixels.size() != std::size_t(width) * std::size_t(height) * 4)
        throw PngError("Picture size does not match its pixels");
    return TPngImage(width, height, std::move(pixels));
}

void TPngImage::Draw(HDC dc, const RECT &target) const
{
    const int targetWidth = target.right - target.left;
    const int targetHeight = target.bottom - target.top;
    if (targetWidth <= 0 || targetHeight <= 0 || width_ <= 0 || height_ <= 0)
        return;
    // Only the part that can show is read, blended and written back.
    RECT clip;
    RECT area;
    if (GetClipBox(dc, &clip) == NULLREGION || !IntersectRect(&area, &target, &clip))
        return;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const bool natural = targetWidth == width_ && targetHeight == height_;
    Pixels(); // a picture read with DecodeWhenNeeded is decoded now
    if (natural && opaque_) {
        CopyOpaque(dc, target, area);
        return;
    }

    win::MemoryDC memory(dc);
    win::DibSection buffer(dc, width, height);
    if (!buffer)
        return;
    win::SelectedObject selected(memory.get(), buffer.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();

    std::vector<std::uint8_t> scaledRow(natural ? 0 : std::size_t(width) * 4);
    for (int y = 0; y < height; ++y) {
        const int targetY = area.top - target.top + y;
        const int targetX = area.left - target.left;
        auto *destination = reinterpret_cast<std::uint32_t *>(buffer.bits()) + std::size_t(y) * width;
        if (natural) {
            BlendRow(pixels_.data() + (std::size_t(targetY) * width_ + targetX) * 4, destination, width);
            continue;
        }
        const int sourceY = ScaledSourceIndex(targetY, height_, targetHeight);
        for (int x = 0; x < width; ++x) {
            const int sourceX = ScaledSourceIndex(targetX + x, width_, targetWidth);
            std::memcpy(&scaledRow[std::size_t(x) * 4], &pixels_[(std::size_t(sourceY) * width_ + sourceX) * 4], 4);
        }
        BlendRow(scaledRow.data(), destination, width);
    }
    BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}

// An opaque picture at natural size lays every pixel over the destination
// as it is: the visible part is copied straight from the decoded pixels,
// without reading the destination back.
void TPngImage::CopyOpaque(HDC dc, const RECT &target, const RECT &area) const
{
    // The rows handed over are exactly the visible ones, so the source
    // rectangle starts at row 0 whichever way the system counts DIB rows.
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const BITMAPINFO info = win::TopDownBitmapInfo(width_, height);
    const std::uint8_t *rows = pixels_.data() + std::size_t(area.top - target.top) * width_ * 4;
    StretchDIBits(dc, area.left, area.top, width, height, area.left - target.left, 0, width, height, rows, &info,
                  DIB_RGB_COLORS, SRCCOPY);
}

} // namespace ui
