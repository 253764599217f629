#pragma once
// The executable's PNG pictures (resources of type PNG), each decoded once,
// when first asked for, and shared by every control that shows it.
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

    // Decodes the named picture without keeping it; null when there is no
    // such resource.
    static std::shared_ptr<const TPngImage> Decode(const std::string &resource);

private:
    std::map<std::string, std::shared_ptr<const TPngImage>> pictures_;
};

} // namespace ui
