#pragma once
// The stored skin format: one zlib stream that holds, little-endian, a 32-bit
// version, three flagged form pictures (two more in version 2), a 32-bit
// count of list pictures, that many BMP files and the INI text to the end.
// Pure: no Win32 call, so the reader runs natively under the fuzzer too.
#include "skin/bsBitmap.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

struct TbsStoredSkinStream {
    std::int32_t version = 3;
    std::optional<TbsBitmap> picture;
    std::optional<TbsBitmap> inactivePicture;
    std::optional<TbsBitmap> mask;
    std::vector<TbsBitmap> pictures;
    std::string text;
};

// Inflates a whole zlib stream. An inflate error, a stream cut short or one
// that inflates beyond any real skin's size raises TbsSkinError.
std::string InflateSkinStream(std::string_view compressed);

// Splits an inflated stored skin into its parts; nothing for a version above
// 3, which no loader reads. A part cut short raises TbsSkinError.
std::optional<TbsStoredSkinStream> ReadStoredSkinStream(std::string_view inflated);

} // namespace skin
