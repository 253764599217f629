#pragma once
// Where a page goes on the screen.
#include <algorithm>

namespace ui {

struct Point {
    int x;
    int y;
    bool operator==(const Point &) const = default;
};

// The top-left corner that centres a window of the given size on a desktop
// of the given size; div truncates and the corner never leaves the desktop's
// top-left edge.
inline Point CentredOn(int desktopWidth, int desktopHeight, int width, int height)
{
    return {std::max(0, (desktopWidth - width) / 2), std::max(0, (desktopHeight - height) / 2)};
}

} // namespace ui
