#include "skin/bsPngImage.h"

namespace skin {

std::uint8_t TbsPngImage::HalvedAlpha(std::uint8_t alpha)
{
    // a * 128 / 256 is a / 2: an odd alpha lies halfway and goes to the even
    // neighbour.
    const int half = alpha / 2;
    if (alpha % 2 == 0)
        return static_cast<std::uint8_t>(half);
    return static_cast<std::uint8_t>(half % 2 == 0 ? half : half + 1);
}

ui::TPngImage TbsPngImage::DisabledCopy(const ui::TPngImage &picture)
{
    std::vector<std::uint8_t> pixels = picture.Pixels();
    for (std::size_t i = 3; i < pixels.size(); i += 4)
        pixels[i] = HalvedAlpha(pixels[i]);
    return ui::TPngImage::FromPixels(picture.Width(), picture.Height(), std::move(pixels));
}

void TbsPngImage::Draw(HDC dc, const RECT &target, bool enabled) const
{
    if (!picture_)
        return;
    if (enabled)
        picture_->Draw(dc, target);
    else
        DisabledCopy(*picture_).Draw(dc, target);
}

} // namespace skin
