#include "ui/Types.h"

namespace ui {

COLORREF ColorToRGB(TColor color)
{
    if (color & clSystemColor)
        return GetSysColor(color & 0xFF);
    return static_cast<COLORREF>(color) & 0xFFFFFF;
}

} // namespace ui
