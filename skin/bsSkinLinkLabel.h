#pragma once
// A label that reads as a link: underlined text that takes its hover colour
// while pointed at, and opens its URL (if any) after raising OnClick.
#include "ui/Label.h"

#include <optional>
#include <string>

namespace skin {

class TbsSkinData;
class TbsDataSkinStdLabelControl;

class TbsSkinLinkLabel : public ui::TCustomLabel {
public:
    explicit TbsSkinLinkLabel(ui::TComponent *owner);
    std::string ClassName() const override { return "TbsSkinLinkLabel"; }

    TbsSkinData *SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData *skinData);
    std::string SkinDataName = "stdlabel";
    // The entry in use since the last ApplySkinEntry; -1 for none.
    int SkinIndex() const { return skinIndex_; }
    void ApplySkinEntry();

    const ui::TFont &DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const ui::TFont &font);
    bool Hovered() const { return hovered_; }

    bool GlowEffect = false;
    int GlowSize = 7;
    bool UseUnderLine = true;
    bool UseSkinFont = true;
    ui::TColor DefaultActiveFontColor = ui::clBlue;
    std::string URL;

    void Click() override;
    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;
    void Notification(ui::TComponent &removed) override;

protected:
    void DoDrawText(HDC dc, RECT &rect, UINT flags) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    ui::TFont TextFont() const;
    ui::TColor TextColor() const;

    TbsSkinData *skinData_ = nullptr;
    int skinIndex_ = -1;
    const TbsDataSkinStdLabelControl *entry_ = nullptr;
    ui::TFont defaultFont_;
    bool hovered_ = false;
};

} // namespace skin
