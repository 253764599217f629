#include "ui/Timer.h"

#include "ui/LayoutReader.h"
#include "ui/WindowProc.h"

#include <stdexcept>

namespace ui {
namespace {

constexpr UINT_PTR kTimerId = 1;

} // namespace

TTimer::TTimer(TComponent *owner) : TComponent(owner)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProcedure<TTimer>::Procedure;
    windowClass.lpszClassName = "TTimerWindow";
    RegisterWindowClass(windowClass);
    CreateWindowExA(0, windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (!window_)
        throw std::runtime_error("Error creating the timer window");
}

TTimer::~TTimer()
{
    WindowProcedure<TTimer>::Unbind(window_);
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

LRESULT TTimer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_TIMER)
        return DefWindowProcA(window_, message, wParam, lParam);
    if (OnTimer)
        OnTimer(this);
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
