#pragma once
// Drawing routines the skinned controls share.
#include "skin/bsSkinIni.h"
#include "ui/Control.h"

namespace skin {

// Paints into dc (origin at the control's top-left corner) what the control
// covers, as if it were not there: the parent's background and the parent's
// visible graphic controls that overlap it (under a graphic control only
// those before it in z-order).
void PaintParentBackground(const ui::TControl &control, HDC dc);

// Sets every other pixel along the outline of (left, top, right - 1,
// bottom - 1) in the colour of dc's text, clockwise from the top-left corner;
// that first pixel is left out when the outlined rectangle's width and
// height are both even.
void DrawFocusDots(HDC dc, const RECT &area);

} // namespace skin
