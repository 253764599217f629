#pragma once
// A skinned control with a caption font of its own and the picture, skin
// rectangle and client rectangle of its entry.
#include "skin/bsBitmap.h"
#include "skin/bsSkinControl.h"
#include "skin/bsSkinIni.h"
#include "ui/Font.h"

namespace skin {

class TbsSkinCustomControl : public TbsSkinControl {
public:
    explicit TbsSkinCustomControl(ui::TComponent *owner);
    std::string ClassName() const override { return "TbsSkinCustomControl"; }

    // The font used while no skin entry applies.
    const ui::TFont &DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const ui::TFont &font);
    // Take the caption's face, height and style from the skin entry.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool use);
    int DefaultWidth = 0;
    int DefaultHeight = 0;

    void ApplySkinEntry() override;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;

protected:
    // Copied from the entry by ApplySkinEntry; null pictures when it names none.
    const TbsBitmap *picture_ = nullptr;
    const TbsBitmap *maskPicture_ = nullptr;
    TbsRect skinRect_;
    TbsRect clientRect_;

private:
    ui::TFont defaultFont_{"Arial", 14};
    bool useSkinFont_ = true;
};

} // namespace skin
