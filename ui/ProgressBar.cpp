#include "ui/ProgressBar.h"

#include "ui/LayoutReader.h"
#include "win/Module.h"

#include <commctrl.h>

#include <stdexcept>

namespace ui {
namespace {

// comctl32 is not one of the system's known DLLs: it is bound from the system
// folder on first use and stays loaded for the process's lifetime.
void RegisterProgressClass()
{
    static const bool registered = [] {
        static win::Module commonControls = win::LoadSystemLibrary("comctl32.dll");
        using InitFunction = BOOL(WINAPI *)(const INITCOMMONCONTROLSEX *);
        const auto init = commonControls.procedure<InitFunction>("InitCommonControlsEx");
        const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS};
        return init && init(&classes);
    }();
    if (!registered)
        throw std::runtime_error("Cannot load the common controls library");
}

} // namespace

TProgressBar::TProgressBar(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetMin(std::int32_t min)
{
    min_ = min;
    SendRange();
}

void TProgressBar::SetMax(std::int32_t max)
{
    max_ = max;
    SendRange();
}

void TProgressBar::SetPosition(std::int32_t position)
{
    position_ = position;
    if (HandleAllocated())
        SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SendRange()
{
    if (!HandleAllocated())
        return;
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_));
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::FillCreateParams(CreateParams &params)
{
    RegisterProgressClass();
    TWinControl::FillCreateParams(params);
    params.systemClass = PROGRESS_CLASSA;
    if (smooth_)
        params.style |= PBS_SMOOTH;
}

void TProgressBar::WindowCreated()
{
    TWinControl::WindowCreated();
    SendRange();
}

bool TProgressBar::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Min")
        SetMin(reader.Integer(value));
    else if (name == "Max")
        SetMax(reader.Integer(value));
    else if (name == "Position")
        SetPosition(reader.Integer(value));
    else if (name == "Smooth")
        SetSmooth(reader.Boolean(value));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
