#pragma once
// The base of the skinned windowed controls: the skin data they draw from,
// the name of their entry, and a face painted at every paint into an
// off-screen bitmap over what lies beneath the control.
#include "ui/WinControl.h"

#include <string>

namespace skin {

class TbsSkinData;
class TbsFaceBitmap;

class TbsSkinControl : public ui::TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::string ClassName() const override { return "TbsSkinControl"; }

    TbsSkinData *SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData *skinData);
    const std::string &SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(std::string name);
    // The entry in use since the last ApplySkinEntry; -1 for none.
    int SkinIndex() const { return skinIndex_; }

    // Looks the entry up again (-1 without skin data, while it is empty or
    // when no entry has the name) and copies its values.
    virtual void ApplySkinEntry();
    // The skin changed: take the new entry and repaint.
    virtual void ChangeSkinData();
    void ClearSkinEntry() { skinIndex_ = -1; }

    std::string HintTitle;
    int HintImageIndex = 0;
    ui::TComponent *HintImageList = nullptr;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;
    void Notification(ui::TComponent &removed) override;

protected:
    // The face with and without a skin entry, drawn over the background
    // already in the bitmap.
    virtual void DrawSkinFace(TbsFaceBitmap &face) = 0;
    virtual void DrawDefaultFace(TbsFaceBitmap &face) = 0;
    void Paint(HDC dc) override;

private:
    TbsSkinData *skinData_ = nullptr;
    std::string skinDataName_;
    int skinIndex_ = -1;
};

} // namespace skin
