#pragma once
// Dragging a borderless page by its background.
#include "ui/Form.h"

// With the left button held: give up the mouse capture and let the system's
// window-move loop drag the page, as if its caption had been pressed.
inline void DragPage(ui::TForm &page, ui::TShiftState shift)
{
    if (!shift.left)
        return;
    ReleaseCapture();
    SendMessageA(page.Handle(), WM_SYSCOMMAND, 0xF012, 0); // SC_MOVE | HTCAPTION
}
