#pragma once
// A line of text drawn on the page, transparent or over its own colour.
#include "ui/GraphicControl.h"

namespace ui {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent *owner);
    std::string ClassName() const override { return "TCustomLabel"; }

    const std::string &Caption() const { return caption_; }
    void SetCaption(std::string caption);
    // AutoSize: the bounds follow the text's measured size.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    // Off: an ampersand is shown as it is instead of marking an accelerator.
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);

    void Paint(HDC dc) override;
    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;
    void Loaded() override;

protected:
    // Draws (or, with DT_CALCRECT in flags, measures) the caption; the
    // toolkit's link label replaces it.
    virtual void DoDrawText(HDC dc, RECT &rect, UINT flags);
    UINT DrawTextFlags() const;
    void FontChanged() override;

private:
    void AdjustBounds();

    std::string caption_;
    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
    std::string ClassName() const override { return "TLabel"; }
};

} // namespace ui
