#include "skin/bsFaceBitmap.h"

#include <algorithm>
#include <stdexcept>

namespace skin {

TbsFaceBitmap::TbsFaceBitmap(int width, int height)
    : dc_(nullptr), dib_(dc_.get(), std::max(width, 1), std::max(height, 1)), selected_(dc_.get(), dib_.get())
{
    if (!dc_.get() || !dib_)
        throw std::runtime_error("Out of resources for an off-screen bitmap");
}

void TbsFaceBitmap::DrawTransparent(const TbsBitmap &picture, const TbsRect &area, int x, int y)
{
    const int left = std::max(area.left, 0);
    const int top = std::max(area.top, 0);
    const int right = std::min(area.right, picture.Width());
    const int bottom = std::min(area.bottom, picture.Height());
    if (left >= right || top >= bottom)
        return;
    const bool keyed = area.left >= 0 && area.bottom - 1 < picture.Height() && area.bottom >= 1 &&
                       area.left < picture.Width();
    const std::uint32_t key = keyed ? picture.Pixel(area.left, area.bottom - 1) : 0;
    GdiFlush();
    for (int sy = top; sy < bottom; ++sy) {
        const int ty = y + sy - area.top;
        if (ty < 0 || ty >= Height())
            continue;
        for (int sx = left; sx < right; ++sx) {
            const int tx = x + sx - area.left;
            const std::uint32_t pixel = picture.Pixel(sx, sy);
            if (tx >= 0 && tx < Width() && !(keyed && pixel == key))
                dib_.bits()[std::size_t(ty) * Width() + tx] = pixel;
        }
    }
}

void TbsFaceBitmap::CopyTo(HDC target) const
{
    BitBlt(target, 0, 0, Width(), Height(), dc_.get(), 0, 0, SRCCOPY);
}

} // namespace skin
