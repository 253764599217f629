#include "ui/Label.h"

#include "ui/LayoutReader.h"
#include "win/Gdi.h"

namespace ui {

TCustomLabel::TCustomLabel(TComponent *owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetCaption(std::string caption)
{
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::SetTransparent(bool transparent)
{
    transparent_ = transparent;
    Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment alignment)
{
    alignment_ = alignment;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool wordWrap)
{
    wordWrap_ = wordWrap;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool show)
{
    showAccelChar_ = show;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged()
{
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
}

UINT TCustomLabel::DrawTextFlags() const
{
    UINT flags = DT_EXPANDTABS;
    if (alignment_ == TAlignment::taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify)
        flags |= DT_RIGHT;
    if (wordWrap_)
        flags |= DT_WORDBREAK;
    if (!showAccelChar_)
        flags |= DT_NOPREFIX;
    return flags;
}

void TCustomLabel::DoDrawText(HDC dc, RECT &rect, UINT flags)
{
    win::SelectedObject font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Enabled() ? Font().Color() : clGrayText));
    std::string text = caption_;
    if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text == "&")))
        text += ' ';
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
}

void TCustomLabel::Paint(HDC dc)
{
    RECT area{0, 0, Width(), Height()};
    if (!transparent_) {
        win::Brush brush(CreateSolidBrush(ColorToRGB(Color())));
        FillRect(dc, &area, brush.get());
    }
    DoDrawText(dc, area, DrawTextFlags());
}

void TCustomLabel::AdjustBounds()
{
    if (!autoSize_ || Loading())
        return;
    win::WindowDC screen(nullptr);
    RECT rect{0, 0, Width(), 0};
    DoDrawText(screen.get(), rect, DrawTextFlags() | DT_CALCRECT);
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify)
        left += Width() - rect.right;
    else if (alignment_ == TAlignment::taCenter)
        left += (Width() - rect.right) / 2;
    SetBounds(left, Top(), rect.right, rect.bottom);
}

bool TCustomLabel::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "AutoSize")
        SetAutoSize(reader.Boolean(value));
    else if (name == "Transparent")
        SetTransparent(reader.Boolean(value));
    else if (name == "Alignment")
        SetAlignment(reader.Enum<TAlignment>(value, {{"taLeftJustify", TAlignment::taLeftJustify},
                                                     {"taRightJustify", TAlignment::taRightJustify},
                                                     {"taCenter", TAlignment::taCenter}}));
    else if (name == "WordWrap")
        SetWordWrap(reader.Boolean(value));
    else if (name == "ShowAccelChar")
        SetShowAccelChar(reader.Boolean(value));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
