#include "ui/WinControl.h"

#include "ui/GraphicControl.h"
#include "win/Gdi.h"

namespace ui {

void TWinControl::Invalidate()
{
    paintCache_.StaleAll();
    StaleChildrenWithin(nullptr);
    if (handle_)
        InvalidateRect(handle_, nullptr, FALSE);
}

void TWinControl::InvalidateArea(const RECT &area)
{
    paintCache_.Stale(area);
    StaleChildrenWithin(&area);
    if (handle_)
        InvalidateRect(handle_, &area, FALSE);
}

void TWinControl::StaleChildrenWithin(const RECT *area)
{
    // A windowed child paints what lies beneath it into its own face.
    for (TControl *control : controls_) {
        RECT common;
        const RECT bounds = control->BoundsRect();
        if (control->Windowed() && (!area || IntersectRect(&common, &bounds, area)))
            static_cast<TWinControl *>(control)->paintCache_.StaleAll();
    }
}

void TWinControl::Update()
{
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::PaintNow(const RECT &area)
{
    paintCache_.Stale(area);
    if (!handle_ || !IsWindowVisible(handle_))
        return;
    win::WindowDC window(handle_);
    const HDC pixels = paintCache_.Refresh(window.get(), ClientSize(), [this](HDC dc) { PaintTo(dc); });
    BitBlt(window.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, pixels, area.left,
           area.top, SRCCOPY);
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
    if (IsRectEmpty(&area))
        return;
    const HDC pixels = paintCache_.Refresh(paint.get(), ClientSize(), [this](HDC dc) { PaintTo(dc); });
    BitBlt(paint.get(), area.left, area.top, area.right - area.left, area.bottom - area.top, pixels, area.left,
           area.top, SRCCOPY);
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
