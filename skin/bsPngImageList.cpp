#include "skin/bsPngImageList.h"

#include "ui/LayoutReader.h"

#include <algorithm>
#include <charconv>

namespace skin {

void TbsPngImageList::SetPngWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    SizeChanged();
}

void TbsPngImageList::SetPngHeight(int height)
{
    if (height == height_)
        return;
    height_ = height;
    SizeChanged();
}

void TbsPngImageList::SizeChanged()
{
    if (!Loading())
        items_.clear();
}

TbsPngImageItem &TbsPngImageList::AddItem()
{
    items_.emplace_back(Count());
    return items_.back();
}

void TbsPngImageList::DeleteItem(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TbsPngImageList::Draw(HDC dc, int index, int x, int y, bool enabled) const
{
    if (index < 0 || index >= Count())
        return;
    items_[std::size_t(index)].PngImage.Draw(dc, RECT{x, y, x + width_, y + height_}, enabled);
}

bool TbsPngImageList::SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader)
{
    // Pictures are stored as PngImages.<index>.PngImage (a PNG resource) and
    // PngImages.<index>.Name, in index order.
    if (name.starts_with("PngImages.")) {
        const std::string_view rest = name.substr(10);
        const std::size_t dot = rest.find('.');
        int index = -1;
        const auto [end, error] = std::from_chars(rest.data(), rest.data() + std::min(dot, rest.size()), index);
        if (error != std::errc() || dot == std::string_view::npos || end != rest.data() + dot || index < 0 ||
            index > Count())
            reader.Fail("pictures are stored in index order, from 0");
        TbsPngImageItem &item = index == Count() ? AddItem() : items_[std::size_t(index)];
        const std::string_view part = rest.substr(dot + 1);
        if (part == "Name")
            item.Name = reader.String(value);
        else if (part == "PngImage")
            reader.Png(value, [this, index](std::shared_ptr<const ui::TPngImage> picture) {
                items_[std::size_t(index)].PngImage = TbsPngImage(std::move(picture));
            });
        else
            return false;
    } else if (name == "PngWidth") {
        SetPngWidth(reader.Integer(value));
    } else if (name == "PngHeight") {
        SetPngHeight(reader.Integer(value));
    } else {
        return TComponent::SetProperty(name, value, reader);
    }
    return true;
}

} // namespace skin
