#include "ui/WinControl.h"

#include <windowsx.h>

#include <utility>

namespace ui {
namespace {

LPCSTR SystemCursor(TCursor cursor)
{
    switch (cursor) {
    case crHandPoint:
        return MAKEINTRESOURCEA(32649); // IDC_HAND
    default:
        return MAKEINTRESOURCEA(32512); // IDC_ARROW
    }
}

} // namespace

TShiftState MouseShiftState(WPARAM wParam)
{
    TShiftState state;
    state.shift = (wParam & MK_SHIFT) != 0;
    state.ctrl = (wParam & MK_CONTROL) != 0;
    state.alt = GetKeyState(VK_MENU) < 0;
    state.left = (wParam & MK_LBUTTON) != 0;
    state.right = (wParam & MK_RBUTTON) != 0;
    state.middle = (wParam & MK_MBUTTON) != 0;
    return state;
}

TControl *TWinControl::ControlAt(int x, int y)
{
    const POINT point{x, y};
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl *control = *it;
        const RECT bounds = control->BoundsRect();
        if (!control->Windowed() && control->Visible() && control->Enabled() && PtInRect(&bounds, point))
            return control;
    }
    return nullptr;
}

void TWinControl::MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const TShiftState shift = MouseShiftState(wParam);
    TMouseButton button = TMouseButton::mbLeft;
    if (message >= WM_RBUTTONDOWN && message <= WM_RBUTTONDBLCLK)
        button = TMouseButton::mbRight;
    else if (message >= WM_MBUTTONDOWN && message <= WM_MBUTTONDBLCLK)
        button = TMouseButton::mbMiddle;
    const bool down = message != WM_LBUTTONUP && message != WM_RBUTTONUP && message != WM_MBUTTONUP;

    // System controls click on their own (BN_CLICKED); they only report.
    if (SystemControl()) {
        if (down)
            MouseDown(button, shift, x, y);
        else
            MouseUp(button, shift, x, y);
        return;
    }
    if (down) {
        TControl *target = ControlAt(x, y);
        if (!target)
            target = this;
        capture_ = target;
        SetCapture(handle_);
        target == this ? DispatchMouseDown(button, shift, x, y)
                       : target->DispatchMouseDown(button, shift, x - target->Left(), y - target->Top());
        return;
    }
    TControl *target = capture_ ? capture_ : ControlAt(x, y);
    if (!target)
        target = this;
    // The last button up frees the mouse before the release and the click run,
    // so a handler that opens a modal box finds the mouse free. The capture is
    // forgotten first: giving it up must not cancel this click.
    if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        capture_ = nullptr;
        if (GetCapture() == handle_)
            ReleaseCapture();
    }
    target == this ? DispatchMouseUp(button, shift, x, y)
                   : target->DispatchMouseUp(button, shift, x - target->Left(), y - target->Top());
}

void TWinControl::MouseMoveMessage(WPARAM wParam, LPARAM lParam)
{
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    TControl *under = SystemControl() ? nullptr : ControlAt(x, y);
    if (!under)
        under = this;
    if (under != hover_) {
        TControl *previous = std::exchange(hover_, under);
        if (previous)
            previous->MouseLeave();
        under->MouseEnter();
    }
    TControl *target = capture_ ? capture_ : under;
    if (target == this)
        MouseMove(MouseShiftState(wParam), x, y);
    else
        target->MouseMove(MouseShiftState(wParam), x - target->Left(), y - target->Top());
}

void TWinControl::MouseLeaveMessage()
{
    trackingLeave_ = false;
    if (TControl *previous = std::exchange(hover_, nullptr))
        previous->MouseLeave();
}

bool TWinControl::SetCursorMessage()
{
    POINT point;
    GetCursorPos(&point);
    ScreenToClient(handle_, &point);
    TControl *under = ControlAt(point.x, point.y);
    TCursor cursor = under ? under->Cursor() : crDefault;
    if (cursor == crDefault)
        cursor = Cursor();
    if (cursor == crDefault)
        return false;
    ::SetCursor(LoadCursorA(nullptr, SystemCursor(cursor)));
    return true;
}

} // namespace ui
