#include "ui/WinControl.h"

#include "ui/LayoutReader.h"
#include "ui/WindowProc.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace ui {

using Procedure = WindowProcedure<TWinControl>;

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
        Procedure::Unbind(handle_);
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
    return Procedure::Bound(window);
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
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &Procedure::Procedure;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    RegisterWindowClass(windowClass);
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
        Procedure::Bind(window, *this);
        defaultProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure::Procedure)));
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
    Procedure::Unbind(window);
    if (defaultProc_)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(std::exchange(defaultProc_, nullptr)));
    DestroyWindow(window);
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
        if (Parent())
            Parent()->ChildFocused(*this);
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
        // The window procedure unbinds this object once the message is handled.
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        handle_ = nullptr;
        defaultProc_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

void TWinControl::ChildFocused(TWinControl &control)
{
    if (Parent())
        Parent()->ChildFocused(control);
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
    // What lies beneath a child window changes when it moves; a page's own
    // pixels stay the same.
    if (Parent())
        paintCache_.StaleAll();
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
    if (!Visible())
        paintCache_.Release();
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged()
{
    paintCache_.StaleAll();
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
