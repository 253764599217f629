#include "skin/bsRegister.h"

#include "skin/bsCompressedStoredSkin.h"
#include "skin/bsPngImageList.h"
#include "skin/bsPngImageView.h"
#include "skin/bsSkinCheckRadioBox.h"
#include "skin/bsSkinData.h"
#include "skin/bsSkinLinkLabel.h"
#include "ui/ClassRegistry.h"

namespace skin {

void RegisterClasses()
{
    ui::ClassRegistry &classes = ui::Classes();
    classes.Register<TbsSkinData>("TbsSkinData");
    classes.Register<TbsCompressedStoredSkin>("TbsCompressedStoredSkin");
    classes.Register<TbsSkinCheckRadioBox>("TbsSkinCheckRadioBox");
    classes.Register<TbsPngImageList>("TbsPngImageList");
    classes.Register<TbsPngImageView>("TbsPngImageView");
    classes.Register<TbsSkinLinkLabel>("TbsSkinLinkLabel");
}

} // namespace skin
