#pragma once
// The skin data holder of a page: loads the skin of its stored skin and lets
// the skinned controls find their entry by name.
#include "skin/bsSkinContent.h"
#include "ui/Component.h"

#include <optional>
#include <string_view>

namespace skin {

class TbsCompressedStoredSkin;

class TbsSkinData : public ui::TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TbsSkinData"; }

    // Stores the reference and loads its skin at once.
    void SetCompressedStoredSkin(TbsCompressedStoredSkin *stored);
    TbsCompressedStoredSkin *CompressedStoredSkin() const { return compressedStoredSkin_; }

    // An empty stream leaves the skin as it was. Otherwise the skin is
    // discarded and the stored one read; a version above 3 or a damaged
    // stream leaves the skin data empty, so every control draws its look
    // without skin.
    void LoadStoredSkin(const TbsCompressedStoredSkin &stored);

    // True from creation until a skin has loaded completely.
    bool Empty() const { return !content_; }
    // The entry of exactly that name, or -1 (always -1 while empty).
    int FindSkinControl(std::string_view name) const;
    // The loaded skin; only while not empty.
    const TbsSkinContent &Content() const { return *content_; }

    bool SkinnableForm = true;
    bool EnableSkinEffects = true;
    bool ShowButtonGlowFrames = true;
    bool ShowCaptionButtonGlowFrames = true;
    int SkinIndex = 0;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;
    void Notification(ui::TComponent &removed) override;

private:
    TbsCompressedStoredSkin *compressedStoredSkin_ = nullptr;
    std::optional<TbsSkinContent> content_;
};

} // namespace skin
