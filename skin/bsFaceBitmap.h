#pragma once
// The off-screen bitmap a skinned control paints its face into before the
// face is copied onto the control: a memory DC holding a 32-bit DIB whose
// pixels can also be written directly.
#include "skin/bsBitmap.h"
#include "skin/bsSkinIni.h"
#include "win/Gdi.h"

namespace skin {

class TbsFaceBitmap {
public:
    TbsFaceBitmap(int width, int height);
    TbsFaceBitmap(const TbsFaceBitmap &) = delete;
    TbsFaceBitmap &operator=(const TbsFaceBitmap &) = delete;

    HDC DC() const { return dc_.get(); }
    int Width() const { return dib_.width(); }
    int Height() const { return dib_.height(); }

    // Draws `area` of `picture` with its top-left corner at (x, y). Every
    // pixel that has the colour of the area's bottom-left pixel is left out,
    // wherever it lies; so is whatever of the area lies outside the picture.
    void DrawTransparent(const TbsBitmap &picture, const TbsRect &area, int x, int y);

    void CopyTo(HDC target) const;

private:
    win::MemoryDC dc_;
    win::DibSection dib_;
    win::SelectedObject selected_;
};

} // namespace skin
