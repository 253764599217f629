#include "skin/bsSkinCheckRadioBox.h"

#include "skin/bsPngImageList.h"
#include "skin/bsSkinData.h"
#include "skin/bsReference.h"
#include "ui/LayoutReader.h"

namespace skin {

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(ui::TComponent *owner) : TbsSkinCustomControl(owner)
{
    SetBounds(0, 0, 150, 25);
    SetSkinDataName("checkbox");
}

void TbsSkinCheckRadioBox::RaiseClick()
{
    if (OnClick)
        OnClick(this);
}

void TbsSkinCheckRadioBox::SetChecked(bool checked)
{
    checked_ = checked;
    if (checked)
        state_ = TCheckBoxState::cbChecked;
    else if (state_ == TCheckBoxState::cbChecked)
        state_ = TCheckBoxState::cbUnchecked;
    Invalidate();
    if (checked_ && GroupIndex != 0 && Parent()) {
        for (ui::TControl *sibling : std::vector<ui::TControl *>(Parent()->Controls())) {
            auto *box = dynamic_cast<TbsSkinCheckRadioBox *>(sibling);
            if (box && box != this && box->GroupIndex == GroupIndex && box->Checked())
                box->SetChecked(false);
        }
    }
    if (!Radio || checked_)
        RaiseClick();
}

void TbsSkinCheckRadioBox::SetState(TCheckBoxState state)
{
    state_ = state;
    checked_ = state == TCheckBoxState::cbChecked;
    Invalidate();
    RaiseClick();
}

void TbsSkinCheckRadioBox::Toggle()
{
    if (!Radio)
        SetChecked(!checked_);
    else if (!checked_)
        SetChecked(true);
}

void TbsSkinCheckRadioBox::SetCanFocused(bool canFocused)
{
    canFocused_ = canFocused;
    SetTabStop(canFocused);
}

void TbsSkinCheckRadioBox::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    Invalidate();
}

void TbsSkinCheckRadioBox::SetImages(TbsPngImageList *images)
{
    images_ = images;
    Invalidate();
}

void TbsSkinCheckRadioBox::SetImageIndex(int index)
{
    imageIndex_ = index;
    Invalidate();
}

void TbsSkinCheckRadioBox::ApplySkinEntry()
{
    TbsSkinCustomControl::ApplySkinEntry();
    look_.reset();
    if (SkinIndex() < 0)
        return;
    const auto &controls = SkinData()->Content().Controls();
    const auto *entry = dynamic_cast<const TbsDataSkinCheckRadioControl *>(controls[std::size_t(SkinIndex())].get());
    if (!entry)
        return;
    look_ = *entry;
    const auto substitute = [](TbsRect &rect, const TbsRect &fallback) {
        if (rect.IsEmpty())
            rect = fallback;
    };
    substitute(look_->ActiveCheckImageRect, look_->CheckImageRect);
    substitute(look_->ActiveUnCheckImageRect, look_->UnCheckImageRect);
    substitute(look_->UnEnabledCheckImageRect, look_->CheckImageRect);
    substitute(look_->UnEnabledUnCheckImageRect, look_->UnCheckImageRect);
    substitute(look_->ActiveSkinRect, look_->SkinRect);
    // A flat box shows only its state image and caption: no morphing, no mask.
    if (Flat) {
        look_->Morphing = false;
        maskPicture_ = nullptr;
    }
}

LRESULT TbsSkinCheckRadioBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused())
            return 0;
    }
    return TbsSkinCustomControl::HandleMessage(message, wParam, lParam);
}

void TbsSkinCheckRadioBox::SetMouseInside(bool inside)
{
    mouseInside_ = inside;
    Invalidate();
}

void TbsSkinCheckRadioBox::MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    if (!mouseInside_)
        SetMouseInside(true);
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinCheckRadioBox::MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y)
{
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (button != ui::TMouseButton::mbLeft || !mouseInside_)
        return;
    if (AllowGrayed && !Radio && state_ == TCheckBoxState::cbUnchecked) {
        state_ = TCheckBoxState::cbGrayed;
        Invalidate();
        RaiseClick();
    } else {
        Toggle();
    }
}

void TbsSkinCheckRadioBox::MouseEnter()
{
    SetMouseInside(true);
    TbsSkinCustomControl::MouseEnter();
}

void TbsSkinCheckRadioBox::MouseLeave()
{
    SetMouseInside(false);
    TbsSkinCustomControl::MouseLeave();
}

void TbsSkinCheckRadioBox::KeyUp(WORD key, ui::TShiftState shift)
{
    TbsSkinCustomControl::KeyUp(key, shift);
    if (key == VK_SPACE && canFocused_ && Focused())
        Toggle();
}

void TbsSkinCheckRadioBox::FocusChanged(bool focused)
{
    TbsSkinCustomControl::FocusChanged(focused);
    if (canFocused_)
        Invalidate();
}

void TbsSkinCheckRadioBox::EnabledChanged()
{
    mouseInside_ = false;
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

void TbsSkinCheckRadioBox::BoundsChanged(const RECT &previous)
{
    TbsSkinCustomControl::BoundsChanged(previous);
    Invalidate();
}

void TbsSkinCheckRadioBox::Notification(ui::TComponent &removed)
{
    if (&removed == images_)
        images_ = nullptr;
    TbsSkinCustomControl::Notification(removed);
}

bool TbsSkinCheckRadioBox::SetProperty(std::string_view name, const ui::LayoutValue &value,
                                       ui::LayoutReader &reader)
{
    if (name == "Checked")
        SetChecked(reader.Boolean(value));
    else if (name == "State")
        SetState(reader.Enum<TCheckBoxState>(value, {{"cbUnchecked", TCheckBoxState::cbUnchecked},
                                                     {"cbChecked", TCheckBoxState::cbChecked},
                                                     {"cbGrayed", TCheckBoxState::cbGrayed}}));
    else if (name == "AllowGrayed")
        AllowGrayed = reader.Boolean(value);
    else if (name == "Radio")
        Radio = reader.Boolean(value);
    else if (name == "GroupIndex")
        GroupIndex = reader.Integer(value);
    else if (name == "Flat")
        Flat = reader.Boolean(value);
    else if (name == "WordWrap")
        WordWrap = reader.Boolean(value);
    else if (name == "UseSkinFontColor")
        UseSkinFontColor = reader.Boolean(value);
    else if (name == "CanFocused")
        SetCanFocused(reader.Boolean(value));
    else if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "ImageIndex")
        SetImageIndex(reader.Integer(value));
    else if (name == "Images")
        ReferenceTo<TbsPngImageList>(reader, value, "TbsPngImageList",
                                     [this](auto *images) { SetImages(images); });
    else
        return TbsSkinCustomControl::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
