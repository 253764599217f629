#include "ui/WinControl.h"

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/GraphicControl.h"
#include "ui/LayoutReader.h"
#include "win/Gdi.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace ui {
namespace {

constexpr const char *kControlProperty = "ui.TWinControl";

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

TShiftState KeyboardShiftState()
{
    TShiftState state;
    state.shift = GetKeyState(VK_SHIFT) < 0;
    state.ctrl = GetKeyState(VK_CONTROL) < 0;
    state.alt = GetKeyState(VK_MENU) < 0;
    return state;
}

TWinControl::TWinControl(TComponent *owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    // No message reaches this object while it and its children go.
    if (handle_) {
        RemovePropA(handle_, kControlProperty);
        if (defaultProc_)
            SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(defaultProc_));
    }
    DestroyComponents();
    while (!controls_.empty())
        controls_.back()->SetParent(nullptr);
    if (handle_)
        DestroyWindow(std::exchange(handle_, nullptr));
}

HWND TWinControl::Handle()
{
    if (!handle_)
        CreateWindowHandle();
    return handle_;
}

TWinControl *TWinControl::FromHandle(HWND window)
{
    return window ? static_cast<TWinControl *>(GetPropA(window, kControlProperty)) : nullptr;
}

void TWinControl::FillCreateParams(CreateParams &params)
{
    params.className = ClassName();
    if (Visible())
        params.style |= WS_VISIBLE;
    if (!Enabled())
        params.style |= WS_DISABLED;
    if (Parent())
        params.parent = Parent()->Handle();
    params.left = Left();
    params.top = Top();
    params.width = Width();
    params.height = Height();
}

void TWinControl::RegisterOwnClass(const std::string &className)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, className.c_str(), &windowClass))
        return;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, SystemCursor(crArrow));
    windowClass.lpszClassName = className.c_str();
    if (!RegisterClassA(&windowClass))
        throw std::runtime_error("Error creating window class " + className);
}

void TWinControl::CreateWindowHandle()
{
    if (Parent() && !Parent()->HandleAllocated())
        Parent()->Handle();
    if (handle_)
        return;
    CreateParams params;
    FillCreateParams(params);
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (params.systemClass) {
        HWND window = CreateWindowExA(params.exStyle, params.systemClass, params.text.c_str(), params.style,
                                      params.left, params.top, params.width, params.height, params.parent, nullptr,
                                      instance, nullptr);
        if (!window)
            throw std::runtime_error("Error creating window of class " + std::string(params.systemClass));
        handle_ = window;
        SetPropA(window, kControlProperty, this);
        defaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWinControl::WindowProc)));
    } else {
        RegisterOwnClass(params.className);
        CreateWindowExA(params.exStyle, params.className.c_str(), params.text.c_str(), params.style, params.left,
                        params.top, params.width, params.height, params.parent, nullptr, instance, this);
        if (!handle_)
            throw std::runtime_error("Error creating window of class " + params.className);
    }
    WindowCreated();
    for (TControl *control : std::vector<TControl *>(controls_))
        if (auto *windowed = dynamic_cast<TWinControl *>(control); windowed && !windowed->handle_)
            windowed->CreateWindowHandle();
}

void TWinControl::WindowCreated()
{
    if (SystemControl())
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::DestroyWindowHandle()
{
    if (!handle_)
        return;
    HWND window = std::exchange(handle_, nullptr);
    RemovePropA(window, kControlProperty);
    if (defaultProc_)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(defaultProc_, nullptr)));
    DestroyWindow(window);
}

LRESULT CALLBACK TWinControl::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TWinControl *control = FromHandle(window);
    if (!control && message == WM_NCCREATE) {
        control = static_cast<TWinControl *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
        control->handle_ = window;
        SetPropA(window, kControlProperty, control);
    }
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    // Every event handler runs below this point: an error it raises ends the
    // event and is reported, and the program goes on.
    try {
        return control->HandleMessage(message, wParam, lParam);
    } catch (...) {
        ReportException();
        return 0;
    }
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (defaultProc_)
        return CallWindowProcA(defaultProc_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT TWinControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // The paint covers every pixel from an off-screen buffer; erasing
        // first would only flash the background colour.
        if (!SystemControl())
            return 1;
        break;
    case WM_PAINT:
        if (!SystemControl()) {
            PaintBuffered();
            return 0;
        }
        break;
    case WM_PRINTCLIENT:
        if (!SystemControl()) {
            PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
        MouseButtonMessage(message, wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        MouseMoveMessage(wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        MouseLeaveMessage();
        break;
    case WM_CAPTURECHANGED:
        if (capture_)
            std::exchange(capture_, nullptr)->CancelClick();
        break;
    case WM_SETCURSOR:
        if (!SystemControl() && reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT &&
            SetCursorMessage())
            return TRUE;
        break;
    case WM_SETFOCUS:
        if (TForm *form = ParentForm(); form && form != this)
            form->ActiveControlFocused(*this);
        FocusChanged(true);
        break;
    case WM_KILLFOCUS:
        FocusChanged(false);
        break;
    case WM_KEYDOWN:
        KeyDown(static_cast<WORD>(wParam), KeyboardShiftState());
        break;
    case WM_KEYUP:
        KeyUp(static_cast<WORD>(wParam), KeyboardShiftState());
        break;
    case WM_CHAR:
        KeyPress(static_cast<char>(wParam));
        break;
    case WM_COMMAND:
        if (TWinControl *child = FromHandle(reinterpret_cast<HWND>(lParam));
            child && child != this && child->Command(HIWORD(wParam)))
            return 0;
        break;
    case WM_WINDOWPOSCHANGED:
        if (!settingBounds_) {
            RECT window;
            GetWindowRect(handle_, &window);
            if (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD)
                MapWindowPoints(nullptr, GetParent(handle_), reinterpret_cast<POINT *>(&window), 2);
            SyncBounds(window.left, window.top, window.right - window.left, window.bottom - window.top);
        }
        break;
    case WM_NCDESTROY: {
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        RemovePropA(handle_, kControlProperty);
        handle_ = nullptr;
        defaultProc_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void TWinControl::SyncBounds(int left, int top, int width, int height)
{
    const bool resized = width != Width() || height != Height();
    settingBounds_ = true;
    TControl::SetBounds(left, top, width, height);
    settingBounds_ = false;
    if (resized)
        Resized();
}

void TWinControl::BoundsChanged(const RECT &previous)
{
    const bool resized =
        previous.right - previous.left != Width() || previous.bottom - previous.top != Height();
    if (handle_ && !settingBounds_) {
        settingBounds_ = true;
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        settingBounds_ = false;
    }
    if (resized && !settingBounds_)
        Resized();
}

void TWinControl::Resized()
{
    const SIZE client = ClientSize();
    for (TControl *control : controls_)
        if (control->Align() == TAlign::alClient)
            control->SetBounds(0, 0, client.cx, client.cy);
}

void TWinControl::VisibleChanged()
{
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged()
{
    if (handle_)
        EnableWindow(handle_, Enabled());
}

void TWinControl::FontChanged()
{
    if (handle_ && SystemControl())
        SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
    Invalidate();
}

void TWinControl::SetParent(TWinControl *parent)
{
    TControl::SetParent(parent);
    if (!parent)
        DestroyWindowHandle();
    else if (handle_)
        ::SetParent(handle_, parent->Handle());
    else if (parent->HandleAllocated())
        CreateWindowHandle();
}

void TWinControl::InsertControl(TControl &control)
{
    controls_.push_back(&control);
    if (auto *windowed = dynamic_cast<TWinControl *>(&control); windowed && windowed->tabOrder_ < 0) {
        windowed->tabOrder_ = static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                                             [](TControl *c) { return c->Windowed(); })) -
                              1;
    }
    control.Invalidate();
}

void TWinControl::RemoveControl(TControl &control)
{
    control.Invalidate();
    std::erase(controls_, &control);
    if (hover_ == &control)
        hover_ = nullptr;
    if (capture_ == &control)
        capture_ = nullptr;
}

SIZE TWinControl::ClientSize() const
{
    if (handle_) {
        RECT client;
        GetClientRect(handle_, &client);
        return {client.right, client.bottom};
    }
    return {Width(), Height()};
}

bool TWinControl::CanFocus() const
{
    if (!handle_)
        return false;
    for (const TControl *control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus()
{
    if (CanFocus())
        ::SetFocus(handle_);
}

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
    if (dynamic_cast<const TForm *>(this))
        PaintBackground(dc);
    else
        PaintWindow(dc);
    const RECT bounds = control.BoundsRect();
    PaintGraphicChildren(dc, &control, &bounds);
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
    target == this ? DispatchMouseUp(button, shift, x, y)
                   : target->DispatchMouseUp(button, shift, x - target->Left(), y - target->Top());
    if (!(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
        capture_ = nullptr;
        if (handle_ && GetCapture() == handle_)
            ReleaseCapture();
    }
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

bool TWinControl::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "TabOrder")
        SetTabOrder(reader.Integer(value));
    else if (name == "TabStop")
        SetTabStop(reader.Boolean(value));
    else
        return TControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
