#pragma once
// One control entry of a skin: a value of [SKINCONTROLS] (name:kind) and the
// section of that name. Pure: no Win32 call.
#include "skin/bsSkinIni.h"

#include <string>

namespace skin {

class TbsDataSkinControl {
public:
    TbsDataSkinControl(std::string name, std::string kind) : name_(std::move(name)), kind_(std::move(kind)) {}
    virtual ~TbsDataSkinControl() = default;

    const std::string &Name() const { return name_; }
    const std::string &Kind() const { return kind_; }

    // Reads the entry's keys from the section named after it.
    virtual void ReadSection(const TbsSkinIni &ini);

    int PictureIndex = -1;
    int MaskPictureIndex = -1;
    TbsRect SkinRect;

private:
    std::string name_;
    std::string kind_;
};

} // namespace skin
