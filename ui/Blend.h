#pragma once
// How a picture with an alpha channel is laid over what lies beneath it.
#include <cstddef>
#include <cstdint>

namespace ui {

// One colour channel of a source pixel with alpha a over a destination
// channel: a = 0 keeps the destination, a = 255 takes the source, anything
// between mixes them as (source * a + destination * (255 - a) + 255) div 256.
constexpr std::uint8_t BlendChannel(std::uint8_t source, std::uint8_t destination, std::uint8_t alpha)
{
    if (alpha == 0)
        return destination;
    if (alpha == 255)
        return source;
    return static_cast<std::uint8_t>((source * alpha + destination * (255 - alpha) + 255) >> 8);
}

// Lays `count` source pixels (bytes B, G, R, A) over destination pixels held
// as 0x00RRGGBB (a 32-bit DIB); the destination's top byte is left alone.
void BlendRow(const std::uint8_t *sourceBgra, std::uint32_t *destination, std::size_t count);

// The source column or row shown at target position `position` when a picture
// of `sourceSize` pixels is drawn into `targetSize` pixels: the position
// scaled by the ratio of the sizes, rounded, and kept inside the picture.
int ScaledSourceIndex(int position, int sourceSize, int targetSize);

} // namespace ui
