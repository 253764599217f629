#include "skin/bsSkinControl.h"

#include "skin/bsFaceBitmap.h"
#include "skin/bsSkinData.h"
#include "skin/bsSkinPaint.h"
#include "skin/bsReference.h"
#include "ui/LayoutReader.h"

namespace skin {

void TbsSkinControl::SetSkinData(TbsSkinData *skinData)
{
    skinData_ = skinData;
    ChangeSkinData();
}

void TbsSkinControl::SetSkinDataName(std::string name)
{
    skinDataName_ = std::move(name);
    ChangeSkinData();
}

void TbsSkinControl::ApplySkinEntry()
{
    skinIndex_ = skinData_ ? skinData_->FindSkinControl(skinDataName_) : -1;
}

void TbsSkinControl::ChangeSkinData()
{
    ApplySkinEntry();
    Invalidate();
}

void TbsSkinControl::Paint(HDC dc)
{
    ApplySkinEntry();
    // Nothing is cached between paints: the face is built whole each time.
    TbsFaceBitmap face(Width(), Height());
    PaintParentBackground(*this, face.DC());
    if (skinIndex_ >= 0)
        DrawSkinFace(face);
    else
        DrawDefaultFace(face);
    face.CopyTo(dc);
}

void TbsSkinControl::Notification(ui::TComponent &removed)
{
    if (&removed == skinData_)
        skinData_ = nullptr;
    if (&removed == HintImageList)
        HintImageList = nullptr;
    TCustomControl::Notification(removed);
}

bool TbsSkinControl::SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader)
{
    if (name == "SkinData")
        ReferenceTo<TbsSkinData>(reader, value, "TbsSkinData",
                                     [this](auto *skinData) { SetSkinData(skinData); });
    else if (name == "SkinDataName")
        SetSkinDataName(reader.String(value));
    else if (name == "HintTitle")
        HintTitle = reader.String(value);
    else if (name == "HintImageIndex")
        HintImageIndex = reader.Integer(value);
    else if (name == "HintImageList")
        reader.Reference(value, [this](ui::TComponent &target) { HintImageList = &target; });
    else
        return TCustomControl::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
