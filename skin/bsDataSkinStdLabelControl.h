#pragma once
// The skin entry of kind "stdlabel": a label's font and colours. Pure: no
// Win32 call.
#include "skin/bsDataSkinControl.h"

#include <cstdint>

namespace skin {

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
public:
    using TbsDataSkinControl::TbsDataSkinControl;
    void ReadSection(const TbsSkinIni &ini) override;

    std::string FontName = "Arial";
    int FontHeight = 14;
    TbsSkinFontStyle FontStyle;
    std::int32_t FontColor = 0;
    std::int32_t ActiveFontColor = 0xFF0000;
};

} // namespace skin
