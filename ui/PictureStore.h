#pragma once
// The executable's PNG pictures (resources of type PNG), each checked when a
// layout first names it, decoded once when first drawn, and shared by every
// control that shows it.
#include "ui/PngImage.h"

#include <map>
#include <memory>
#include <string>

namespace ui {

class PictureStore {
public:
    // The named picture; null when the executable has no such resource.
    // A corrupt picture raises its PngError.
    std::shared_ptr<const TPngImage> Find(const std::string &resource);

    // The named picture, not kept in the store; null when there is no such
    // resource. A corrupt picture raises its PngError.
    static std::shared_ptr<const TPngImage> Read(const std::string &resource);

private:
    std::map<std::string, std::shared_ptr<const TPngImage>> pictures_;
};

} // namespace ui
