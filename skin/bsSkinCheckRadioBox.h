#pragma once
// The skinned check box (or radio button): a state image cut from the skin's
// picture and a caption, drawn over the page; toggled by a left click, by
// the space key and by its accelerator.
#include "skin/bsDataSkinCheckRadioControl.h"
#include "skin/bsSkinCustomControl.h"

#include <optional>

namespace skin {

class TbsPngImageList;

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TbsSkinCheckRadioBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinCheckRadioBox(ui::TComponent *owner);
    std::string ClassName() const override { return "TbsSkinCheckRadioBox"; }

    // Setting either repaints and raises OnClick, even to the value it had
    // (a radio button raises it only when checked).
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    // A check box checks itself off; a radio button only checks itself.
    virtual void Toggle();

    // A click on an unchecked box goes to cbGrayed first.
    bool AllowGrayed = false;
    bool Radio = false;
    // Non-zero: checking the box unchecks the checked boxes of the same group
    // on the same parent.
    int GroupIndex = 0;
    bool Flat = true;
    bool WordWrap = false;
    bool UseSkinFontColor = true;
    // Takes part in focus handling; sets TabStop alike.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool canFocused);
    const std::string &Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TbsPngImageList *Images() const { return images_; }
    void SetImages(TbsPngImageList *images);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // Set on enter and on any button press, cleared on leave.
    bool MouseInside() const { return mouseInside_; }

    void ApplySkinEntry() override;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;
    void Notification(ui::TComponent &removed) override;

protected:
    void DrawSkinFace(TbsFaceBitmap &face) override;
    void DrawDefaultFace(TbsFaceBitmap &face) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    // OnClick belongs to the check mark, not to the framework's click.
    void Click() override {}
    void KeyUp(WORD key, ui::TShiftState shift) override;
    void FocusChanged(bool focused) override;
    void EnabledChanged() override;
    // The face shows what lies beneath: after a move, bits the system copied
    // along would show the old place's background.
    void BoundsChanged(const RECT &previous) override;

private:
    void RaiseClick();
    const TbsRect &StateImageRect() const;
    // Caption (and Images picture) starting at x, centred on the height,
    // with the focus dots when focused.
    void DrawCaption(TbsFaceBitmap &face, const ui::TFont &font, ui::TColor colour, int x, int imageGap);
    void SetMouseInside(bool inside);

    bool checked_ = false;
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool canFocused_ = true;
    std::string caption_;
    TbsPngImageList *images_ = nullptr;
    int imageIndex_ = 0;
    bool mouseInside_ = false;
    // The "checkradio" entry's values with the empty rectangles substituted.
    std::optional<TbsDataSkinCheckRadioControl> look_;
};

} // namespace skin
