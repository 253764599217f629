#pragma once
// A PNG picture decoded with libpng, drawn over what lies beneath it.
#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace ui {

// A picture that libpng cannot read; what() says why.
class PngError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TPngImage {
public:
    // Decodes a PNG file's bytes. Every colour type ends up as 8-bit
    // B, G, R, A per pixel: a picture without alpha is opaque, and the pixels
    // of a single transparent colour get alpha 0.
    static TPngImage Decode(std::string_view bytes);
    // Checks a PNG file whose bytes stay in place for the picture's whole
    // life (the executable's resources) and decodes its pixels only when they
    // are first needed, so that pages not yet on screen cost no decoding at
    // start-up. The check finds what Decode would refuse in the file's header
    // and chunks (a file cut short, a damaged chunk); image data that passes
    // its checksum and still cannot be inflated raises PngError when the
    // pixels are first needed.
    static TPngImage DecodeWhenNeeded(std::string_view bytes);
    // A picture from B, G, R, A pixels, row-major (width * height * 4 bytes).
    static TPngImage FromPixels(int width, int height, std::vector<std::uint8_t> pixels);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Row-major B, G, R, A bytes, alpha not premultiplied.
    const std::vector<std::uint8_t> &Pixels() const;

    // Draws the picture into `target` (logical coordinates of dc) over what
    // is already there: the destination area is read into a buffer, each
    // pixel blended by its alpha (see BlendChannel) and the area written back.
    // A target of another size takes the nearest source pixel.
    void Draw(HDC dc, const RECT &target) const;

private:
    TPngImage(int width, int height, std::vector<std::uint8_t> pixels);
    TPngImage(int width, int height, std::string_view pending);
    void SetPixels(std::vector<std::uint8_t> pixels) const;
    void CopyOpaque(HDC dc, const RECT &target, const RECT &area) const;

    int width_;
    int height_;
    // The PNG file still to decode; empty once the pixels are there. Only
    // the GUI thread draws pictures, so decoding inside const calls is safe.
    mutable std::string_view pending_;
    mutable std::vector<std::uint8_t> pixels_;
    // Every alpha is 255: blending would copy each pixel as it is.
    mutable bool opaque_ = false;
};

} // namespace ui
