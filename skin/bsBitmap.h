#pragma once
// A picture of the skin, decoded from a BMP file into plain pixels. Pure: no
// Win32 call, so the reader runs natively under the fuzzer too.
#include <cstdint>
#include <string_view>
#include <vector>

namespace skin {

class TbsBitmap {
public:
    TbsBitmap() = default;
    TbsBitmap(int width, int height, std::vector<std::uint32_t> pixels);

    // Reads one BMP file that starts at `offset` of `stream`; its length is the
    // one its file header gives. On return `offset` is just past it. A header
    // that lies about the sizes, a compression or depth this reader does not
    // know, or a file cut short raises TbsSkinError; nothing is read past the
    // stream or past the file's own length.
    static TbsBitmap ReadBmp(std::string_view stream, std::size_t &offset);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    // Row-major, top row first, each pixel 0x00RRGGBB (as in a 32-bit DIB).
    const std::vector<std::uint32_t> &Pixels() const { return pixels_; }
    std::uint32_t Pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace skin
