#include "ui/Control.h"

#include "ui/LayoutReader.h"
#include "ui/WinControl.h"

namespace ui {

TFont ReadFontProperty(TFont font, std::string_view part, const LayoutValue &value, LayoutReader &reader)
{
    if (part == "Name")
        font.SetName(reader.String(value));
    else if (part == "Height")
        font.SetHeight(reader.Integer(value));
    else if (part == "Color")
        font.SetColor(reader.Color(value));
    else if (part == "Style")
        font.SetStyle(reader.FontStyles(value));
    else if (part == "Charset")
        font.SetCharset(reader.Integer(value));
    else
        reader.Fail("unknown property 'Font." + std::string(part) + "'");
    return font;
}

TControl::TControl(TComponent *owner) : TComponent(owner) {}

TControl::~TControl()
{
    if (parent_)
        parent_->RemoveControl(*this);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    if (align_ == TAlign::alClient && parent_) {
        const SIZE client = parent_->ClientSize();
        left = 0;
        top = 0;
        width = client.cx;
        height = client.cy;
    }
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    const RECT previous = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(previous);
}

void TControl::BoundsChanged(const RECT &previous)
{
    if (parent_ && visible_) {
        parent_->InvalidateArea(previous);
        Invalidate();
    }
}

void TControl::SetAlign(TAlign align)
{
    align_ = align;
    if (align_ == TAlign::alClient)
        SetBounds(left_, top_, width_, height_);
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_)
        return;
    if (!visible)
        Invalidate();
    visible_ = visible;
    VisibleChanged();
}

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    EnabledChanged();
}

void TControl::SetColor(TColor color)
{
    color_ = color;
    Invalidate();
}

const TFont &TControl::Font() const
{
    return parentFont_ && parent_ ? parent_->Font() : font_;
}

void TControl::SetFont(const TFont &font)
{
    font_ = font;
    parentFont_ = false;
    FontChanged();
}

void TControl::SetParentFont(bool parentFont)
{
    if (!parentFont && parentFont_ && parent_)
        font_ = parent_->Font();
    parentFont_ = parentFont;
    FontChanged();
}

void TControl::SetParent(TWinControl *parent)
{
    if (parent == parent_)
        return;
    if (parent_)
        parent_->RemoveControl(*this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(*this);
        if (align_ == TAlign::alClient)
            SetBounds(left_, top_, width_, height_);
    }
}

void TControl::Invalidate()
{
    if (parent_ && visible_)
        parent_->InvalidateArea(BoundsRect());
}

void TControl::DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::mbLeft)
        clicked_ = true;
    MouseDown(button, shift, x, y);
}

void TControl::DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    const bool click = button == TMouseButton::mbLeft && clicked_ && x >= 0 && y >= 0 && x < width_ && y < height_;
    if (button == TMouseButton::mbLeft)
        clicked_ = false;
    if (click && enabled_)
        Click();
    MouseUp(button, shift, x, y);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp)
        OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState, int, int) {}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
}

bool TControl::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Left")
        SetLeft(reader.Integer(value));
    else if (name == "Top")
        SetTop(reader.Integer(value));
    else if (name == "Width")
        SetWidth(reader.Integer(value));
    else if (name == "Height")
        SetHeight(reader.Integer(value));
    else if (name == "Align")
        SetAlign(reader.Enum<TAlign>(value, {{"alNone", TAlign::alNone}, {"alClient", TAlign::alClient}}));
    else if (name == "Visible")
        SetVisible(reader.Boolean(value));
    else if (name == "Enabled")
        SetEnabled(reader.Boolean(value));
    else if (name == "Cursor")
        SetCursor(reader.Cursor(value));
    else if (name == "Color")
        SetColor(reader.Color(value));
    else if (name == "ParentFont")
        SetParentFont(reader.Boolean(value));
    else if (name.starts_with("Font."))
        SetFont(ReadFontProperty(Font(), name.substr(5), value, reader));
    else if (name == "OnClick")
        OnClick = reader.NotifyHandler(value);
    else if (name == "OnMouseDown")
        OnMouseDown = reader.MouseHandler(value);
    else if (name == "OnMouseUp")
        OnMouseUp = reader.MouseHandler(value);
    else if (name == "OnMouseEnter")
        OnMouseEnter = reader.NotifyHandler(value);
    else if (name == "OnMouseLeave")
        OnMouseLeave = reader.NotifyHandler(value);
    else
        return TComponent::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
