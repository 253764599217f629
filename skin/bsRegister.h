#pragma once
// Makes the toolkit's classes known to the layout reader by their names.
namespace skin {

// Registers TbsSkinData, TbsCompressedStoredSkin, TbsSkinCheckRadioBox,
// TbsPngImageList, TbsPngImageView and TbsSkinLinkLabel; a second call
// changes nothing.
void RegisterClasses();

} // namespace skin
