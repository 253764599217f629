#pragma once
// Stored skins made by the tests, whole or deliberately damaged.
#include <zlib.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace skin_blobs {

inline void PutU32(std::string &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

inline void PutU16(std::string &out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

// A 24-bit bottom-up BMP file; colour(x, y) gives 0x00RRGGBB, y from the top.
inline std::string Bmp(int width, int height, const std::function<std::uint32_t(int, int)> &colour)
{
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int y = height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = colour(x, y);
            row += static_cast<char>(c & 0xFF);
            row += static_cast<char>(c >> 8 & 0xFF);
            row += static_cast<char>(c >> 16 & 0xFF);
        }
        row.resize(std::size_t(stride), '\0');
        pixels += row;
    }
    std::string file = "BM";
    PutU32(file, static_cast<std::uint32_t>(54 + pixels.size()));
    PutU32(file, 0);
    PutU32(file, 54);
    PutU32(file, 40);
    PutU32(file, static_cast<std::uint32_t>(width));
    PutU32(file, static_cast<std::uint32_t>(height));
    PutU16(file, 1);
    PutU16(file, 24);
    for (int i = 0; i < 6; ++i)
        PutU32(file, 0);
    return file + pixels;
}

// The inflated stored skin: version, flagged form pictures (empty: none),
// the list pictures and the text.
inline std::string Stream(std::int32_t version, const std::vector<std::string> &formPictures,
                          const std::vector<std::string> &pictures, const std::string &text)
{
    std::string out;
    PutU32(out, static_cast<std::uint32_t>(version));
    for (const std::string &picture : formPictures)
        out += picture.empty() ? std::string(1, '\1') : '\0' + picture;
    PutU32(out, static_cast<std::uint32_t>(pictures.size()));
    for (const std::string &picture : pictures)
        out += picture;
    return out + text;
}

inline std::string Deflate(const std::string &bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef *>(out.data()), &size, reinterpret_cast<const Bytef *>(bytes.data()),
                  static_cast<uLong>(bytes.size()), 9) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

// An INI text in CR LF lines.
inline std::string Ini(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace skin_blobs
