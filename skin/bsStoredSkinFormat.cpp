#include "skin/bsStoredSkinFormat.h"

#include "skin/bsSkinError.h"

#include <zlib.h>

#include <array>

namespace skin {
namespace {

// Far above any real skin (the page's inflates to well under a megabyte),
// low enough that a crafted stream cannot exhaust memory.
constexpr std::size_t kMaxInflated = 64u << 20;

class StreamReader {
public:
    explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}

    std::int32_t Int32()
    {
        if (bytes_.size() - offset_ < 4)
            throw TbsSkinError("Damaged stored skin: it ends inside a number");
        std::uint32_t value = 0;
        for (int i = 3; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(bytes_[offset_ + i]);
        offset_ += 4;
        return static_cast<std::int32_t>(value);
    }

    std::optional<TbsBitmap> FlaggedPicture()
    {
        if (offset_ >= bytes_.size())
            throw TbsSkinError("Damaged stored skin: it ends before a picture's flag");
        if (bytes_[offset_++] != 0)
            return std::nullopt;
        return Picture();
    }

    TbsBitmap Picture() { return TbsBitmap::ReadBmp(bytes_, offset_); }
    std::string Rest() const { return std::string(bytes_.substr(offset_)); }

private:
    std::string_view bytes_;
    std::size_t offset_ = 0;
};

} // namespace

std::string InflateSkinStream(std::string_view compressed)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw TbsSkinError("Stored skin: zlib cannot start");
    struct End {
        z_stream &stream;
        ~End() { inflateEnd(&stream); }
    } end{stream};
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::string inflated;
    std::array<char, 4096> chunk;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef *>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        const int result = inflate(&stream, Z_NO_FLUSH);
        inflated.append(chunk.data(), chunk.size() - stream.avail_out);
        if (inflated.size() > kMaxInflated)
            throw TbsSkinError("Damaged stored skin: it inflates beyond any skin's size");
        if (result == Z_STREAM_END)
            return inflated;
        if (result != Z_OK)
            throw TbsSkinError(std::string("Damaged stored skin: ") +
                               (result == Z_BUF_ERROR ? "the stream is cut short" : "inflate error"));
    }
}

std::optional<TbsStoredSkinStream> ReadStoredSkinStream(std::string_view inflated)
{
    StreamReader reader(inflated);
    TbsStoredSkinStream skin;
    skin.version = reader.Int32();
    if (skin.version > 3)
        return std::nullopt;
    skin.picture = reader.FlaggedPicture();
    skin.inactivePicture = reader.FlaggedPicture();
    skin.mask = reader.FlaggedPicture();
    if (skin.version == 2) {
        reader.FlaggedPicture();
        reader.FlaggedPicture();
    }
    const std::int32_t count = reader.Int32();
    // Each picture takes at least a file header, so a count beyond what the
    // stream can hold fails on its first missing picture; none is reserved.
    for (std::int32_t i = 0; i < count; ++i)
        skin.pictures.push_back(reader.Picture());
    skin.text = reader.Rest();
    return skin;
}

} // namespace skin
