#include "skin/bsSkinLinkLabel.h"

#include "skin/bsDataSkinStdLabelControl.h"
#include "skin/bsSkinData.h"
#include "skin/bsReference.h"
#include "ui/LayoutReader.h"

#include <shellapi.h>

namespace skin {
namespace {

ui::TFont UnderlinedArial()
{
    ui::TFont font("Arial", 14);
    font.SetStyle({.underline = true});
    return font;
}

} // namespace

TbsSkinLinkLabel::TbsSkinLinkLabel(ui::TComponent *owner) : TCustomLabel(owner), defaultFont_(UnderlinedArial())
{
    SetFont(defaultFont_);
    SetCursor(ui::crHandPoint);
    SetTransparent(true);
}

void TbsSkinLinkLabel::SetSkinData(TbsSkinData *skinData)
{
    skinData_ = skinData;
    Invalidate();
}

void TbsSkinLinkLabel::SetDefaultFont(const ui::TFont &font)
{
    defaultFont_ = font;
    Invalidate();
}

void TbsSkinLinkLabel::ApplySkinEntry()
{
    skinIndex_ = skinData_ ? skinData_->FindSkinControl(SkinDataName) : -1;
    entry_ = skinIndex_ < 0 ? nullptr
                            : dynamic_cast<const TbsDataSkinStdLabelControl *>(
                                  skinData_->Content().Controls()[std::size_t(skinIndex_)].get());
}

ui::TFont TbsSkinLinkLabel::TextFont() const
{
    ui::TFont font = UseSkinFont ? defaultFont_ : Font();
    if (entry_ && UseSkinFont) {
        font = Font();
        font.SetName(entry_->FontName);
        font.SetHeight(entry_->FontHeight);
        font.SetStyle({entry_->FontStyle.bold, entry_->FontStyle.italic, false, entry_->FontStyle.strikeOut});
    }
    ui::TFontStyles style = font.Style();
    style.underline = UseUnderLine;
    font.SetStyle(style);
    return font;
}

ui::TColor TbsSkinLinkLabel::TextColor() const
{
    if (!Enabled())
        return ui::clGrayText;
    if (entry_)
        return hovered_ && !GlowEffect ? entry_->ActiveFontColor : entry_->FontColor;
    const ui::TColor own = UseSkinFont ? defaultFont_.Color() : Font().Color();
    return hovered_ ? DefaultActiveFontColor : own;
}

void TbsSkinLinkLabel::DoDrawText(HDC dc, RECT &rect, UINT flags)
{
    ApplySkinEntry();
    std::string text = Caption();
    if ((flags & DT_CALCRECT) && (text.empty() || (ShowAccelChar() && text == "&")))
        text += ' ';
    if (GlowEffect)
        OffsetRect(&rect, 0, GlowSize);
    const ui::TFont font = TextFont();
    win::SelectedObject selected(dc, font.Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ui::ColorToRGB(TextColor()));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

void TbsSkinLinkLabel::Click()
{
    TCustomLabel::Click();
    if (!URL.empty())
        ShellExecuteA(nullptr, "open", URL.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TbsSkinLinkLabel::MouseEnter()
{
    hovered_ = true;
    Invalidate();
    TCustomLabel::MouseEnter();
}

void TbsSkinLinkLabel::MouseLeave()
{
    hovered_ = false;
    Invalidate();
    TCustomLabel::MouseLeave();
}

void TbsSkinLinkLabel::Notification(ui::TComponent &removed)
{
    if (&removed == skinData_) {
        skinData_ = nullptr;
        entry_ = nullptr;
    }
    TCustomLabel::Notification(removed);
}

bool TbsSkinLinkLabel::SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader)
{
    if (name == "SkinData")
        ReferenceTo<TbsSkinData>(reader, value, "TbsSkinData",
                                     [this](auto *skinData) { SetSkinData(skinData); });
    else if (name == "SkinDataName")
        SkinDataName = reader.String(value);
    else if (name.starts_with("DefaultFont."))
        SetDefaultFont(ui::ReadFontProperty(defaultFont_, name.substr(12), value, reader));
    else if (name == "GlowEffect")
        GlowEffect = reader.Boolean(value);
    else if (name == "GlowSize")
        GlowSize = reader.Integer(value);
    else if (name == "UseUnderLine")
        UseUnderLine = reader.Boolean(value);
    else if (name == "UseSkinFont")
        UseSkinFont = reader.Boolean(value);
    else if (name == "DefaultActiveFontColor")
        DefaultActiveFontColor = reader.Color(value);
    else if (name == "URL")
        URL = reader.String(value);
    else
        return TCustomLabel::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
