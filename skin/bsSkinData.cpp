#include "skin/bsSkinData.h"

#include "skin/bsCompressedStoredSkin.h"
#include "skin/bsSkinError.h"
#include "skin/bsReference.h"
#include "ui/LayoutReader.h"

namespace skin {

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin *stored)
{
    compressedStoredSkin_ = stored;
    if (stored)
        LoadStoredSkin(*stored);
}

void TbsSkinData::LoadStoredSkin(const TbsCompressedStoredSkin &stored)
{
    if (stored.CompressedData().empty())
        return;
    content_.reset();
    // A damaged skin is not the user's concern: the page works and the
    // controls draw their own look.
    try {
        content_ = TbsSkinContent::Load(stored.CompressedData());
    } catch (const TbsSkinError &) {
        content_.reset();
    }
}

int TbsSkinData::FindSkinControl(std::string_view name) const
{
    return content_ ? content_->FindSkinControl(name) : -1;
}

void TbsSkinData::Notification(ui::TComponent &removed)
{
    if (&removed == compressedStoredSkin_)
        compressedStoredSkin_ = nullptr;
    TComponent::Notification(removed);
}

bool TbsSkinData::SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader)
{
    if (name == "CompressedStoredSkin")
        ReferenceTo<TbsCompressedStoredSkin>(reader, value, "TbsCompressedStoredSkin",
                                     [this](auto *stored) { SetCompressedStoredSkin(stored); });
    else if (name == "SkinnableForm")
        SkinnableForm = reader.Boolean(value);
    else if (name == "EnableSkinEffects")
        EnableSkinEffects = reader.Boolean(value);
    else if (name == "ShowButtonGlowFrames")
        ShowButtonGlowFrames = reader.Boolean(value);
    else if (name == "ShowCaptionButtonGlowFrames")
        ShowCaptionButtonGlowFrames = reader.Boolean(value);
    else if (name == "SkinIndex")
        SkinIndex = reader.Integer(value);
    else
        return TComponent::SetProperty(name, value, reader);
    return true;
}

} // namespace skin
