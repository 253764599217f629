#include "skin/bsSkinPaint.h"

#include "ui/WinControl.h"

namespace skin {

void PaintParentBackground(const ui::TControl &control, HDC dc)
{
    if (ui::TWinControl *parent = control.Parent())
        parent->PaintBeneath(control, dc);
}

void DrawFocusDots(HDC dc, const RECT &area)
{
    const int left = area.left;
    const int top = area.top;
    const int right = area.right - 1;
    const int bottom = area.bottom - 1;
    const COLORREF colour = GetTextColor(dc);
    bool set = !((right - left) % 2 == 0 && (bottom - top) % 2 == 0);
    const auto dot = [&](int x, int y) {
        if (set)
            SetPixelV(dc, x, y, colour);
        set = !set;
    };
    if (right <= left || bottom <= top) {
        for (int x = left; x <= right; ++x)
            for (int y = top; y <= bottom; ++y)
                dot(x, y);
        return;
    }
    for (int x = left; x < right; ++x)
        dot(x, top);
    for (int y = top; y < bottom; ++y)
        dot(right, y);
    for (int x = right; x > left; --x)
        dot(x, bottom);
    for (int y = bottom; y > top; --y)
        dot(left, y);
}

} // namespace skin
