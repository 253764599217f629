#include "ui/Timer.h"

#include "ui/Application.h"
#include "ui/LayoutReader.h"

#include <stdexcept>

namespace ui {
namespace {

constexpr const char *kWindowClass = "TTimerWindow";
constexpr UINT_PTR kTimerId = 1;

} // namespace

TTimer::TTimer(TComponent *owner) : TComponent(owner)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(instance, kWindowClass, &windowClass)) {
        windowClass.lpfnWndProc = &TTimer::WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kWindowClass;
        RegisterClassA(&windowClass);
    }
    window_ = CreateWindowExA(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (!window_)
        throw std::runtime_error("Error creating the timer window");
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer()
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    KillTimer(window_, kTimerId);
    DestroyWindow(window_);
}

void TTimer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval)
{
    interval_ = interval;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    KillTimer(window_, kTimerId);
    if (!Loading() && enabled_ && interval_ > 0)
        SetTimer(window_, kTimerId, interval_, nullptr);
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *timer = reinterpret_cast<TTimer *>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_TIMER || !timer)
        return DefWindowProcA(window, message, wParam, lParam);
    try {
        if (timer->OnTimer)
            timer->OnTimer(timer);
    } catch (...) {
        ReportException();
    }
    return 0;
}

bool TTimer::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Enabled")
        SetEnabled(reader.Boolean(value));
    else if (name == "Interval")
        SetInterval(static_cast<unsigned>(reader.Integer(value)));
    else if (name == "OnTimer")
        OnTimer = reader.NotifyHandler(value);
    else
        return TComponent::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
