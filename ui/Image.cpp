#include "ui/Image.h"

#include "ui/LayoutReader.h"

namespace ui {

void TPicture::SetGraphic(std::shared_ptr<const TPngImage> graphic)
{
    graphic_ = std::move(graphic);
    if (OnChange)
        OnChange();
}

TImage::TImage(TComponent *owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 105, 105);
    picture_.OnChange = [this] { Invalidate(); };
}

void TImage::SetStretch(bool stretch)
{
    stretch_ = stretch;
    Invalidate();
}

void TImage::SetCenter(bool center)
{
    center_ = center;
    Invalidate();
}

void TImage::Paint(HDC dc)
{
    const TPngImage *graphic = picture_.Graphic();
    if (!graphic)
        return;
    RECT target{0, 0, graphic->Width(), graphic->Height()};
    if (stretch_) {
        target = {0, 0, Width(), Height()};
    } else if (center_) {
        OffsetRect(&target, (Width() - graphic->Width()) / 2, (Height() - graphic->Height()) / 2);
    }
    graphic->Draw(dc, target);
}

bool TImage::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Picture.Png")
        reader.Png(value, [this](std::shared_ptr<const TPngImage> picture) { picture_.SetGraphic(std::move(picture)); });
    else if (name == "Stretch")
        SetStretch(reader.Boolean(value));
    else if (name == "Center")
        SetCenter(reader.Boolean(value));
    else if (name == "IncrementalDisplay")
        SetIncrementalDisplay(reader.Boolean(value));
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
