#pragma once
// A visual component: bounds inside its parent, visibility, enabled state,
// cursor, font and the mouse events every control raises.
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"

namespace ui {

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent *owner);
    ~TControl() override;
    std::string ClassName() const override { return "TControl"; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }

    // alClient: the control fills its parent's client area and follows it.
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    // With ParentFont (the default) the control draws with its parent's font.
    const TFont &Font() const;
    // Gives the control a font of its own (ParentFont off).
    void SetFont(const TFont &font);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);

    TWinControl *Parent() const { return parent_; }
    virtual void SetParent(TWinControl *parent);
    virtual bool Windowed() const { return false; }

    // Asks for a repaint of the control's area.
    virtual void Invalidate();

    TNotifyEvent OnClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // Input after cracking, in the control's client coordinates. The
    // Dispatch* entries add the framework's click: a left press and release
    // inside the control.
    void DispatchMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    void DispatchMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    void CancelClick() { clicked_ = false; }
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Click();

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    // Hooks for the windowed controls and for the toolkit.
    virtual void BoundsChanged(const RECT &previous);
    virtual void VisibleChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }

private:
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    TCursor cursor_ = crDefault;
    TColor color_ = clBtnFace;
    TFont font_;
    bool parentFont_ = true;
    TWinControl *parent_ = nullptr;
    bool clicked_ = false;
};

// The font with one stored part (Name, Height, Color, Style, Charset) of a
// layout changed; the toolkit's controls read their extra fonts with it.
TFont ReadFontProperty(TFont font, std::string_view part, const LayoutValue &value, LayoutReader &reader);

} // namespace ui
