#pragma once
// A picture on a page: a PNG drawn over what lies beneath the control.
#include "ui/GraphicControl.h"
#include "ui/PngImage.h"

#include <functional>
#include <memory>

namespace ui {

// Holds a page picture. Pictures never change once decoded, so a copy shares
// the decoded pixels.
class TPicture {
public:
    const TPngImage *Graphic() const { return graphic_.get(); }
    void SetGraphic(std::shared_ptr<const TPngImage> graphic);
    void Assign(const TPicture &other) { SetGraphic(other.graphic_); }
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }

    std::function<void()> OnChange;

private:
    std::shared_ptr<const TPngImage> graphic_;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent *owner);
    std::string ClassName() const override { return "TImage"; }

    TPicture &Picture() { return picture_; }
    const TPicture &Picture() const { return picture_; }
    // Stretch: the picture fills the control; Center: it is centred;
    // otherwise it is drawn at natural size from the top-left corner.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch);
    bool Center() const { return center_; }
    void SetCenter(bool center);
    // Whether a picture is shown while it loads; pictures here are decoded
    // whole before they are shown, so it changes nothing.
    bool IncrementalDisplay() const { return incrementalDisplay_; }
    void SetIncrementalDisplay(bool incremental) { incrementalDisplay_ = incremental; }

    void Paint(HDC dc) override;
    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

private:
    TPicture picture_;
    bool stretch_ = false;
    bool center_ = false;
    bool incrementalDisplay_ = false;
};

} // namespace ui
