#pragma once
// A PNG picture of the toolkit's image list, drawn over what lies beneath it
// like every page picture, and its disabled copy with half the alpha.
#include "ui/PngImage.h"

#include <cstdint>
#include <memory>

namespace skin {

class TbsPngImage {
public:
    TbsPngImage() = default;
    explicit TbsPngImage(std::shared_ptr<const ui::TPngImage> picture) : picture_(std::move(picture)) {}

    bool Empty() const { return !picture_; }
    int Width() const { return picture_ ? picture_->Width() : 0; }
    int Height() const { return picture_ ? picture_->Height() : 0; }
    const ui::TPngImage *Picture() const { return picture_.get(); }

    // Draws the picture into `target`; disabled, its copy of halved alpha.
    void Draw(HDC dc, const RECT &target, bool enabled) const;

    // The same picture with each alpha a made a * 128 / 256, rounded to the
    // nearest with halves to even.
    static ui::TPngImage DisabledCopy(const ui::TPngImage &picture);
    static std::uint8_t HalvedAlpha(std::uint8_t alpha);

private:
    std::shared_ptr<const ui::TPngImage> picture_;
};

} // namespace skin
