#include "skin/bsDataSkinControl.h"

namespace skin {

void TbsDataSkinControl::ReadSection(const TbsSkinIni &ini)
{
    PictureIndex = ini.ReadInteger(name_, "pictureindex", -1);
    MaskPictureIndex = ini.ReadInteger(name_, "maskpictureindex", -1);
    SkinRect = ini.ReadRect(name_, "skinrect");
}

} // namespace skin
