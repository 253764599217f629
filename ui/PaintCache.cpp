#include "ui/PaintCache.h"

namespace ui {

TPaintCache::Pixels::Pixels(HDC reference, SIZE size)
    : size(size), dc(reference), bitmap(CreateCompatibleBitmap(reference, size.cx, size.cy)),
      selected(dc.get(), bitmap.get())
{
}

void TPaintCache::Stale(const RECT &area)
{
    if (IsRectEmpty(&stale_))
        stale_ = area;
    else
        UnionRect(&stale_, &stale_, &area);
}

HDC TPaintCache::Refresh(HDC reference, SIZE size, const std::function<void(HDC)> &paint)
{
    if (!pixels_ || pixels_->size.cx != size.cx || pixels_->size.cy != size.cy) {
        pixels_.reset();
        pixels_.emplace(reference, size);
        allStale_ = true;
    }
    const HDC dc = pixels_->dc.get();
    if (allStale_ || !IsRectEmpty(&stale_)) {
        win::SavedDC saved(dc);
        if (!allStale_)
            IntersectClipRect(dc, stale_.left, stale_.top, stale_.right, stale_.bottom);
        paint(dc);
    }
    allStale_ = false;
    stale_ = {};
    return dc;
}

} // namespace ui
