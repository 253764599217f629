#include "ui/PictureStore.h"

#include "win/Resource.h"

#include <cctype>

namespace ui {

std::shared_ptr<const TPngImage> PictureStore::Read(const std::string &resource)
{
    const std::string_view bytes = win::ResourceBytes(resource.c_str(), "PNG");
    if (bytes.empty())
        return nullptr;
    return std::make_shared<const TPngImage>(TPngImage::DecodeWhenNeeded(bytes));
}

std::shared_ptr<const TPngImage> PictureStore::Find(const std::string &resource)
{
    // Resource names ignore case.
    std::string key = resource;
    for (char &c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    auto &picture = pictures_[key];
    if (!picture)
        picture = Read(resource);
    return picture;
}

} // namespace ui
