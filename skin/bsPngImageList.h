#pragma once
// A list of PNG pictures of one size, drawn by index over what lies beneath.
#include "skin/bsPngImageItem.h"
#include "ui/Component.h"

#include <windows.h>

#include <vector>

namespace skin {

class TbsPngImageList : public ui::TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TbsPngImageList"; }

    int PngWidth() const { return width_; }
    int PngHeight() const { return height_; }
    // A new size drops every picture, except while the layout loads.
    void SetPngWidth(int width);
    void SetPngHeight(int height);

    const std::vector<TbsPngImageItem> &PngImages() const { return items_; }
    TbsPngImageItem &AddItem();
    void DeleteItem(int index);
    int Count() const { return static_cast<int>(items_.size()); }

    // Draws picture `index` into (x, y, x + PngWidth, y + PngHeight); nothing
    // for an index outside the list.
    void Draw(HDC dc, int index, int x, int y, bool enabled) const;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;

private:
    void SizeChanged();

    int width_ = 16;
    int height_ = 16;
    std::vector<TbsPngImageItem> items_;
};

} // namespace skin
