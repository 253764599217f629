#include "skin/bsSkinCustomControl.h"

#include "skin/bsDataSkinCustomControl.h"
#include "skin/bsSkinData.h"
#include "ui/LayoutReader.h"

namespace skin {

TbsSkinCustomControl::TbsSkinCustomControl(ui::TComponent *owner) : TbsSkinControl(owner) {}

void TbsSkinCustomControl::SetDefaultFont(const ui::TFont &font)
{
    defaultFont_ = font;
    Invalidate();
}

void TbsSkinCustomControl::SetUseSkinFont(bool use)
{
    useSkinFont_ = use;
    Invalidate();
}

void TbsSkinCustomControl::ApplySkinEntry()
{
    TbsSkinControl::ApplySkinEntry();
    picture_ = nullptr;
    maskPicture_ = nullptr;
    if (SkinIndex() < 0)
        return;
    const TbsSkinContent &content = SkinData()->Content();
    const TbsDataSkinControl &entry = *content.Controls()[std::size_t(SkinIndex())];
    picture_ = content.Picture(entry.PictureIndex);
    maskPicture_ = content.Picture(entry.MaskPictureIndex);
    skinRect_ = entry.SkinRect;
    if (const auto *custom = dynamic_cast<const TbsDataSkinCustomControl *>(&entry))
        clientRect_ = custom->ClRect;
}

bool TbsSkinCustomControl::SetProperty(std::string_view name, const ui::LayoutValue &value,
                                       ui::LayoutReader &reader)
{
    if (name.starts_with("DefaultFont."))
        SetDefaultFont(ui::ReadFontProperty(defaultFont_, name.substr(12), value, reader));
    else if (name == "UseSkinFont")
        SetUseSkinFont(reader.Boolean(value));
    else if (name == "DefaultWidth")
        DefaultWidth = reader.Integer(value);
    else if (name == "DefaultHeight")
        DefaultHeight = reader.Integer(value);
    else
        return TbsSkinControl::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
