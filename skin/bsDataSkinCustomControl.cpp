#include "skin/bsDataSkinCustomControl.h"

namespace skin {

void TbsDataSkinCustomControl::ReadSection(const TbsSkinIni &ini)
{
    TbsDataSkinControl::ReadSection(ini);
    const std::string &section = Name();
    LTPoint = ini.ReadPoint(section, "lefttoppoint");
    RTPoint = ini.ReadPoint(section, "righttoppoint");
    LBPoint = ini.ReadPoint(section, "leftbottompoint");
    RBPoint = ini.ReadPoint(section, "rightbottompoint");
    ClRect = ini.ReadRect(section, "clientrect");
    LeftStretch = ini.ReadBool(section, "leftstretch");
    TopStretch = ini.ReadBool(section, "topstretch");
    RightStretch = ini.ReadBool(section, "rightstretch");
    BottomStretch = ini.ReadBool(section, "bottomstretch");
    StretchEffect = ini.ReadBool(section, "stretcheffect");
    StretchType = ini.ReadInteger(section, "stretchtype", 0);
}

} // namespace skin
