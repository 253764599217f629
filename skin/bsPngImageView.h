#pragma once
// A picture of a TbsPngImageList shown by index, over what lies beneath it;
// the options page's fold-out chevron.
#include "ui/GraphicControl.h"

namespace skin {

class TbsPngImageList;

class TbsPngImageView : public ui::TGraphicControl {
public:
    explicit TbsPngImageView(ui::TComponent *owner);
    std::string ClassName() const override { return "TbsPngImageView"; }

    int ImageIndex() const { return imageIndex_; }
    // A value below -1 is not stored, but the view still resizes and repaints.
    void SetImageIndex(int index);
    TbsPngImageList *PngImageList() const { return list_; }
    void SetPngImageList(TbsPngImageList *list);
    // With AutoSize, the view takes the list's picture size.
    void AdjustToImage();

    bool AutoSize = true;
    bool Center = false;
    // Draw over a copy of the background in an off-screen bitmap first.
    bool DoubleBuffered = false;
    // Leaves room for a reflection under the picture (half its height + 5).
    bool ReflectionEffect = false;

    void Paint(HDC dc) override;
    void Loaded() override;
    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;
    void Notification(ui::TComponent &removed) override;

protected:
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void DrawImage(HDC dc);

    TbsPngImageList *list_ = nullptr;
    int imageIndex_ = -1;
};

} // namespace skin
