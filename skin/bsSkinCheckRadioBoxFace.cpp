// How the check box paints its face: with its skin entry, or its own look
// when no entry applies.
#include "skin/bsFaceBitmap.h"
#include "skin/bsPngImageList.h"
#include "skin/bsSkinCheckRadioBox.h"
#include "skin/bsSkinPaint.h"

namespace skin {

const TbsRect &TbsSkinCheckRadioBox::StateImageRect() const
{
    const TbsDataSkinCheckRadioControl &look = *look_;
    const bool checked = state_ == TCheckBoxState::cbChecked;
    if (state_ == TCheckBoxState::cbGrayed) {
        if (mouseInside_ && !look.ActiveGrayedCheckImageRect.IsEmpty())
            return look.ActiveGrayedCheckImageRect;
        // A skin without grayed images shows the checked one.
        return look.GrayedCheckImageRect.IsEmpty() ? look.CheckImageRect : look.GrayedCheckImageRect;
    }
    if (!Enabled())
        return checked ? look.UnEnabledCheckImageRect : look.UnEnabledUnCheckImageRect;
    if (mouseInside_)
        return checked ? look.ActiveCheckImageRect : look.ActiveUnCheckImageRect;
    return checked ? look.CheckImageRect : look.UnCheckImageRect;
}

void TbsSkinCheckRadioBox::DrawSkinFace(TbsFaceBitmap &face)
{
    if (!look_) {
        DrawDefaultFace(face);
        return;
    }
    const TbsDataSkinCheckRadioControl &look = *look_;
    if (picture_)
        face.DrawTransparent(*picture_, StateImageRect(), 3, Height() / 2 - look.CheckImageRect.Height() / 2);

    ui::TFont font = DefaultFont();
    if (UseSkinFont()) {
        font.SetName(look.FontName);
        font.SetHeight(look.FontHeight);
        font.SetStyle({look.FontStyle.bold, look.FontStyle.italic, look.FontStyle.underline,
                       look.FontStyle.strikeOut});
    }
    ui::TColor colour = Enabled() ? look.FrameFontColor : look.UnEnabledFontColor;
    if (!UseSkinFontColor)
        colour = DefaultFont().Color();
    DrawCaption(face, font, colour, look.CheckImageRect.Width() + 7, 8);
}

void TbsSkinCheckRadioBox::DrawDefaultFace(TbsFaceBitmap &face)
{
    const HDC dc = face.DC();
    const int middle = Height() / 2;
    const RECT box{3, middle - 7, 17, middle + 7};
    DrawCaption(face, DefaultFont(), Enabled() ? DefaultFont().Color() : ui::clBtnShadow, 22, 5);

    win::Brush frame(CreateSolidBrush(ui::ColorToRGB(mouseInside_ ? ui::clNavy : ui::clBtnShadow)));
    FrameRect(dc, &box, frame.get());
    if (state_ == TCheckBoxState::cbUnchecked)
        return;
    ui::TColor mark = Enabled() ? ui::clBlack : ui::clBtnShadow;
    if (Radio) {
        const RECT dot{7, middle - 3, 13, middle + 3};
        win::Brush brush(CreateSolidBrush(ui::ColorToRGB(mark)));
        FillRect(dc, &dot, brush.get());
        return;
    }
    if (state_ == TCheckBoxState::cbGrayed)
        mark = ui::clGrayText;
    win::Pen pen(CreatePen(PS_SOLID, 1, ui::ColorToRGB(mark)));
    win::SelectedObject selected(dc, pen.get());
    for (int i = 0; i < 3; ++i) {
        const POINT tick[3] = {{7, middle + 1 - i}, {9, middle + 3 - i}, {14, middle - 2 - i}};
        Polyline(dc, tick, 3);
    }
}

void TbsSkinCheckRadioBox::DrawCaption(TbsFaceBitmap &face, const ui::TFont &font, ui::TColor colour, int x,
                                       int imageGap)
{
    const HDC dc = face.DC();
    win::SelectedObject selected(dc, font.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::ColorToRGB(colour));
    const UINT layout = WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    RECT text{0, 0, WordWrap ? Width() - 2 - x : 0, 0};
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, layout | DT_CALCRECT);
    OffsetRect(&text, x, Height() / 2 - text.bottom / 2);
    if (text.right > Width() - 2)
        text.right = Width() - 2;

    RECT picture{};
    const bool hasImage = images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count();
    if (hasImage) {
        picture = {text.left, Height() / 2 - images_->PngHeight() / 2, 0, 0};
        picture.right = picture.left + images_->PngWidth();
        picture.bottom = picture.top + images_->PngHeight();
        images_->Draw(dc, imageIndex_, picture.left, picture.top, Enabled());
        OffsetRect(&text, images_->PngWidth() + imageGap, 0);
    }
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text,
              WordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER);

    if (!Focused() || !canFocused_)
        return;
    RECT dots{text.left - 2, text.top - 1, text.right + 3, text.bottom + 1};
    if (caption_.empty() && hasImage)
        dots = {picture.left - 1, picture.top - 1, picture.right + 1, picture.bottom + 1};
    DrawFocusDots(dc, dots);
}

} // namespace skin
