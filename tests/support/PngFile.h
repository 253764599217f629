#pragma once
// PNG files for the test programs, written without libpng (the wizard's
// libpng is built for reading only): one IDAT chunk, no row filter.
#include <zlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace testing_support {

// The PNG colour types, with the samples per pixel of each.
enum class PngColour : std::uint8_t { Gray = 0, Rgb = 2, Palette = 3, GrayAlpha = 4, Rgba = 6 };

namespace png_detail {

inline void PutBigEndian(std::string &out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>(value >> shift);
}

inline void PutChunk(std::string &out, const char *type, const std::string &data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = type + data;
    out += body;
    PutBigEndian(out, static_cast<std::uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef *>(body.data()), static_cast<uInt>(body.size()))));
}

inline int SamplesPerPixel(PngColour colour)
{
    switch (colour) {
    case PngColour::Rgb: return 3;
    case PngColour::GrayAlpha: return 2;
    case PngColour::Rgba: return 4;
    default: return 1;
    }
}

} // namespace png_detail

// An 8-bit PNG of `pixels`, row after row, samples in the file's order (R, G,
// B, A). A palette picture takes RGBA entries: their alpha goes into tRNS.
inline std::string PngFile(int width, int height, PngColour colour, const std::vector<std::uint8_t> &pixels,
                           const std::vector<std::uint8_t> &palette = {})
{
    using namespace png_detail;
    const std::size_t stride = std::size_t(width) * SamplesPerPixel(colour);
    if (pixels.size() != stride * height)
        throw std::invalid_argument("PngFile: pixel count does not match the size");
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        raw.append(reinterpret_cast<const char *>(pixels.data()) + y * stride, stride);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress(reinterpret_cast<Bytef *>(packed.data()), &packedSize, reinterpret_cast<const Bytef *>(raw.data()),
                 static_cast<uLong>(raw.size())) != Z_OK)
        throw std::runtime_error("PngFile: zlib failed");
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += {8, static_cast<char>(colour), 0, 0, 0};
    std::string file = "\x89PNG\r\n\x1a\n";
    PutChunk(file, "IHDR", header);
    if (colour == PngColour::Palette) {
        std::string entries, alphas;
        for (std::size_t i = 0; i + 3 < palette.size(); i += 4) {
            entries.append(reinterpret_cast<const char *>(&palette[i]), 3);
            alphas += static_cast<char>(palette[i + 3]);
        }
        PutChunk(file, "PLTE", entries);
        PutChunk(file, "tRNS", alphas);
    }
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", "");
    return file;
}

} // namespace testing_support
