#pragma once
// One picture of a TbsPngImageList: a name and its PNG.
#include "skin/bsPngImage.h"

#include <string>

namespace skin {

class TbsPngImageItem {
public:
    // Named "PngImage<index>" at creation.
    explicit TbsPngImageItem(int index) : Name("PngImage" + std::to_string(index)) {}

    std::string Name;
    TbsPngImage PngImage;
};

} // namespace skin
