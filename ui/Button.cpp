#include "ui/Button.h"

#include "ui/LayoutReader.h"

namespace ui {

TButton::TButton(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

void TButton::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    if (HandleAllocated())
        SetWindowTextA(Handle(), caption_.c_str());
}

void TButton::FillCreateParams(CreateParams &params)
{
    TWinControl::FillCreateParams(params);
    params.systemClass = "BUTTON";
    params.text = caption_;
    params.style |= WS_TABSTOP | BS_PUSHBUTTON;
}

bool TButton::Command(WORD notification)
{
    if (notification != BN_CLICKED)
        return false;
    Click();
    return true;
}

bool TButton::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Caption")
        SetCaption(reader.String(value));
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
