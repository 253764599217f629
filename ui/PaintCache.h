#pragma once
// The last painted pixels of a window of the framework's own class. When the
// system asks for a repaint while nothing of the control has changed (the
// window was uncovered, or redrawn from outside), the pixels are copied from
// here; only what the control marked as changed is painted again.
#include "win/Gdi.h"

#include <functional>
#include <optional>

namespace ui {

class TPaintCache {
public:
    // What lies within `area` (client coordinates) looks different now.
    void Stale(const RECT &area);
    void StaleAll() { allStale_ = true; }
    // Frees the pixels: a hidden window needs none.
    void Release() { pixels_.reset(); }
    // Brings the pixels of a client area of `size` up to date, painting what
    // is stale through `paint` (clipped to it), and returns the DC that
    // holds them.
    HDC Refresh(HDC reference, SIZE size, const std::function<void(HDC)> &paint);

private:
    struct Pixels {
        Pixels(HDC reference, SIZE size);
        SIZE size;
        win::MemoryDC dc;
        win::Bitmap bitmap;
        win::SelectedObject selected;
    };
    std::optional<Pixels> pixels_;
    RECT stale_{};
    bool allStale_ = true;
};

} // namespace ui
