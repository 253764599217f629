#include "ui/WinControl.h"

#include "ui/GraphicControl.h"
#include "win/Gdi.h"

namespace ui {

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::InvalidateArea(const RECT &area)
{
    if (handle_)
        InvalidateRect(handle_, &area, FALSE);
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::PaintBackground(HDC dc)
{
    const SIZE size = ClientSize();
    const RECT area{0, 0, size.cx, size.cy};
    win::Brush brush(CreateSolidBrush(ColorToRGB(Color())));
    FillRect(dc, &area, brush.get());
}

void TWinControl::PaintTo(HDC dc)
{
    PaintWindow(dc);
    PaintGraphicChildren(dc, nullptr, nullptr);
}

void TWinControl::PaintBuffered()
{
    win::PaintDC paint(handle_);
    const RECT &area = paint.area();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    win::MemoryDC memory(paint.get());
    win::Bitmap bitmap(CreateCompatibleBitmap(paint.get(), width, height));
    {
        win::SelectedObject selected(memory.get(), bitmap.get());
        SetViewportOrgEx(memory.get(), -area.left, -area.top, nullptr);
        PaintTo(memory.get());
        SetViewportOrgEx(memory.get(), 0, 0, nullptr);
        BitBlt(paint.get(), area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
    }
}

void TWinControl::PaintGraphicChildren(HDC dc, const TControl *stopAt, const RECT *overlapping)
{
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION)
        return;
    // Graphic controls always lie beneath windowed ones: under a windowed
    // control every graphic control is painted, under a graphic one only
    // those before it in z-order.
    for (TControl *control : controls_) {
        if (control == stopAt && !control->Windowed())
            break;
        if (control->Windowed() || !control->Visible())
            continue;
        const RECT bounds = control->BoundsRect();
        RECT common;
        if (!IntersectRect(&common, &bounds, &clip))
            continue;
        if (overlapping && !IntersectRect(&common, &bounds, overlapping))
            continue;
        win::SavedDC saved(dc);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, control->Width(), control->Height());
        static_cast<TGraphicControl *>(control)->Paint(dc);
    }
}

void TWinControl::PaintBeneath(const TControl &control, HDC dc)
{
    paintingCopy_ = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{paintingCopy_};
    win::SavedDC saved(dc);
    OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
    const SIZE client = ClientSize();
    IntersectClipRect(dc, 0, 0, client.cx, client.cy);
    PaintWindow(dc);
    const RECT bounds = control.BoundsRect();
    PaintGraphicChildren(dc, &control, &bounds);
}

} // namespace ui
