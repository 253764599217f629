#include "skin/bsDataSkinCheckRadioControl.h"

namespace skin {

void TbsDataSkinCheckRadioControl::ReadSection(const TbsSkinIni &ini)
{
    TbsDataSkinCustomControl::ReadSection(ini);
    const std::string &section = Name();
    FontName = ini.ReadString(section, "fontname", "Arial");
    FontHeight = ini.ReadInteger(section, "fontheight", 14);
    FontStyle = ini.ReadFontStyle(section, "fontstyle");
    FontColor = ini.ReadInteger(section, "fontcolor", 0);
    ActiveFontColor = ini.ReadInteger(section, "activefontcolor", 0);
    FrameFontColor = ini.ReadInteger(section, "framefontcolor", 0);
    UnEnabledFontColor = ini.ReadInteger(section, "unenabledfontcolor", 0);
    ActiveSkinRect = ini.ReadRect(section, "activeskinrect");
    CheckImageArea = ini.ReadRect(section, "checkimagearea");
    TextArea = ini.ReadRect(section, "textarea");
    CheckImageRect = ini.ReadRect(section, "checkimagerect");
    UnCheckImageRect = ini.ReadRect(section, "uncheckimagerect");
    ActiveCheckImageRect = ini.ReadRect(section, "activecheckimagerect");
    ActiveUnCheckImageRect = ini.ReadRect(section, "activeuncheckimagerect");
    UnEnabledCheckImageRect = ini.ReadRect(section, "unenabledcheckimagerect");
    UnEnabledUnCheckImageRect = ini.ReadRect(section, "unenableduncheckimagerect");
    GrayedCheckImageRect = ini.ReadRect(section, "grayedcheckimagerect");
    ActiveGrayedCheckImageRect = ini.ReadRect(section, "activegrayedcheckimagerect");
    Morphing = ini.ReadBool(section, "morphing");
    MorphKind = ini.ReadString(section, "morphkind", "mkdefault");
}

} // namespace skin
