#pragma once
// A control without a window of its own: its parent paints it in z-order and
// hit-tests the mouse for it.
#include "ui/Control.h"

namespace ui {

class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    std::string ClassName() const override { return "TGraphicControl"; }

    // Paints the control into dc, whose origin is the control's top-left
    // corner and whose clipping is the control's area.
    virtual void Paint(HDC dc) = 0;
};

} // namespace ui
