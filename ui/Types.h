#pragma once
// Value types and event types shared by the framework's classes.
#include <windows.h>

#include <cstdint>
#include <functional>

namespace ui {

class TObject;

// A colour: 0x00BBGGRR, or a system colour (its COLOR_ index with the top bit
// set), as the layouts store them (clBtnFace, clBlue, $00FF0000).
using TColor = std::int32_t;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clNavy = 0x800000;

// The RGB value of a colour, system colours looked up now.
COLORREF ColorToRGB(TColor color);

// Mouse pointers by the framework's numbers (crHandPoint is -21).
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crHandPoint = -21;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Keys and buttons held during a mouse or key event.
struct TShiftState {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
    bool left = false;
    bool right = false;
    bool middle = false;
};

enum class TAlign { alNone, alClient };

using TNotifyEvent = std::function<void(TObject *sender)>;
using TMouseEvent = std::function<void(TObject *sender, TMouseButton button, TShiftState shift, int x, int y)>;

} // namespace ui
