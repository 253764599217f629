#pragma once
// Rounding of fractional geometry, as the pages compute their layout.
#include <cmath>

namespace ui {

// Rounds to the nearest integer; a value exactly halfway goes to the even
// neighbour (195.5 gives 196, 196.5 gives 196, -2.5 gives -2).
inline int RoundHalfToEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return static_cast<int>(lower);
    if (fraction > 0.5)
        return static_cast<int>(lower) + 1;
    const int even = static_cast<int>(lower);
    return even % 2 == 0 ? even : even + 1;
}

} // namespace ui
