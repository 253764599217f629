#pragma once
// A skin entry for a framed control: corners, client area and how the frame
// stretches. Pure: no Win32 call.
#include "skin/bsDataSkinControl.h"

namespace skin {

class TbsDataSkinCustomControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadSection(const TbsSkinIni &ini) override;

    TbsPoint LTPoint;
    TbsPoint RTPoint;
    TbsPoint LBPoint;
    TbsPoint RBPoint;
    TbsRect ClRect;
    bool LeftStretch = false;
    bool TopStretch = false;
    bool RightStretch = false;
    bool BottomStretch = false;
    bool StretchEffect = false;
    int StretchType = 0;
};

} // namespace skin
