#pragma once
// The skin entry of kind "checkradio": the check box's state images, caption
// font and colours. Pure: no Win32 call.
#include "skin/bsDataSkinCustomControl.h"

#include <cstdint>

namespace skin {

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
public:
    using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
    void ReadSection(const TbsSkinIni &ini) override;

    std::string FontName = "Arial";
    int FontHeight = 14;
    TbsSkinFontStyle FontStyle;
    // Colours as 0x00BBGGRR.
    std::int32_t FontColor = 0;
    std::int32_t ActiveFontColor = 0;
    std::int32_t FrameFontColor = 0;
    std::int32_t UnEnabledFontColor = 0;
    TbsRect ActiveSkinRect;
    TbsRect CheckImageArea;
    TbsRect TextArea;
    TbsRect CheckImageRect;
    TbsRect UnCheckImageRect;
    TbsRect ActiveCheckImageRect;
    TbsRect ActiveUnCheckImageRect;
    TbsRect UnEnabledCheckImageRect;
    TbsRect UnEnabledUnCheckImageRect;
    TbsRect GrayedCheckImageRect;
    TbsRect ActiveGrayedCheckImageRect;
    bool Morphing = false;
    std::string MorphKind = "mkdefault";
};

} // namespace skin
