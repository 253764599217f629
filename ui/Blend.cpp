#include "ui/Blend.h"

#include <algorithm>

namespace ui {

void BlendRow(const std::uint8_t *sourceBgra, std::uint32_t *destination, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i, sourceBgra += 4) {
        const std::uint8_t alpha = sourceBgra[3];
        if (alpha == 0)
            continue;
        const std::uint32_t below = destination[i];
        const auto channel = [&](int shift, std::uint8_t source) -> std::uint32_t {
            return std::uint32_t{BlendChannel(source, static_cast<std::uint8_t>(below >> shift), alpha)} << shift;
        };
        destination[i] = (below & 0xFF000000u) | channel(16, sourceBgra[2]) | channel(8, sourceBgra[1]) |
                         channel(0, sourceBgra[0]);
    }
}

int ScaledSourceIndex(int position, int sourceSize, int targetSize)
{
    if (targetSize <= 0 || sourceSize <= 0)
        return 0;
    // Rounded to nearest in integers: (2 * p * s + t) div (2 * t).
    const long long scaled = (2LL * position * sourceSize + targetSize) / (2LL * targetSize);
    return static_cast<int>(std::clamp<long long>(scaled, 0, sourceSize - 1));
}

} // namespace ui
