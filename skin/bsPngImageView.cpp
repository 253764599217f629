#include "skin/bsPngImageView.h"

#include "skin/bsFaceBitmap.h"
#include "skin/bsPngImageList.h"
#include "skin/bsSkinPaint.h"
#include "skin/bsReference.h"
#include "ui/LayoutReader.h"

namespace skin {

TbsPngImageView::TbsPngImageView(ui::TComponent *owner) : TGraphicControl(owner)
{
    SetBounds(0, 0, 50, 50);
}

void TbsPngImageView::SetImageIndex(int index)
{
    if (index >= -1)
        imageIndex_ = index;
    if (!list_)
        return;
    if (AutoSize)
        AdjustToImage();
    Invalidate();
}

void TbsPngImageView::SetPngImageList(TbsPngImageList *list)
{
    list_ = list;
    Invalidate();
}

void TbsPngImageView::AdjustToImage()
{
    if (!AutoSize || !list_)
        return;
    int height = list_->PngHeight();
    if (ReflectionEffect)
        height += height / 2 + 5;
    SetBounds(Left(), Top(), list_->PngWidth(), height);
}

void TbsPngImageView::Loaded()
{
    TGraphicControl::Loaded();
    AdjustToImage();
}

void TbsPngImageView::DrawImage(HDC dc)
{
    int x = 0;
    int y = 0;
    if (Center) {
        x = Width() / 2 - list_->PngWidth() / 2;
        y = Height() / 2 - list_->PngHeight() / 2;
    }
    list_->Draw(dc, imageIndex_, x, y, Enabled());
}

void TbsPngImageView::Paint(HDC dc)
{
    if (!list_ || list_->Count() == 0 || imageIndex_ < 0 || imageIndex_ >= list_->Count() ||
        list_->PngWidth() <= 0 || list_->PngHeight() <= 0)
        return;
    if (!DoubleBuffered) {
        DrawImage(dc);
        return;
    }
    TbsFaceBitmap face(Width(), Height());
    PaintParentBackground(*this, face.DC());
    DrawImage(face.DC());
    face.CopyTo(dc);
}

void TbsPngImageView::MouseEnter()
{
    if (Enabled())
        TGraphicControl::MouseEnter();
}

void TbsPngImageView::MouseLeave()
{
    if (Enabled())
        TGraphicControl::MouseLeave();
}

void TbsPngImageView::Notification(ui::TComponent &removed)
{
    if (&removed == list_)
        list_ = nullptr;
    TGraphicControl::Notification(removed);
}

bool TbsPngImageView::SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader)
{
    if (name == "PngImageList")
        ReferenceTo<TbsPngImageList>(reader, value, "TbsPngImageList",
                                     [this](auto *list) { SetPngImageList(list); });
    else if (name == "ImageIndex")
        SetImageIndex(reader.Integer(value));
    else if (name == "AutoSize")
        AutoSize = reader.Boolean(value);
    else if (name == "Center")
        Center = reader.Boolean(value);
    else if (name == "DoubleBuffered")
        DoubleBuffered = reader.Boolean(value);
    else if (name == "ReflectionEffect")
        ReflectionEffect = reader.Boolean(value);
    else
        return TGraphicControl::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
