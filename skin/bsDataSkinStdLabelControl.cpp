#include "skin/bsDataSkinStdLabelControl.h"

namespace skin {

void TbsDataSkinStdLabelControl::ReadSection(const TbsSkinIni &ini)
{
    TbsDataSkinControl::ReadSection(ini);
    const std::string &section = Name();
    FontName = ini.ReadString(section, "fontname", "Arial");
    FontHeight = ini.ReadInteger(section, "fontheight", 14);
    FontStyle = ini.ReadFontStyle(section, "fontstyle");
    FontColor = ini.ReadInteger(section, "fontcolor", 0);
    ActiveFontColor = ini.ReadInteger(section, "activefontcolor", 0xFF0000);
}

} // namespace skin
