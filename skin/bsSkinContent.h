#pragma once
// What a loaded skin holds: its pictures, the names of its list pictures, its
// descriptive strings and its control entries in [SKINCONTROLS] order.
// Pure: no Win32 call, so the whole loader runs natively under the fuzzer.
#include "skin/bsBitmap.h"
#include "skin/bsDataSkinControl.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The skin's descriptive strings and picture file names.
struct TbsSkinInfo {
    std::string skinName;
    std::string skinAuthor;
    std::string authorEmail;
    std::string authorUrl;
    std::string skinComments;
    std::string picture;
    std::string inactivePicture;
    std::string mask;
};

class TbsSkinContent {
public:
    // Inflates and reads a stored skin. nullopt for a version above 3; a
    // damaged skin raises TbsSkinError.
    static std::optional<TbsSkinContent> Load(std::string_view compressed);

    // The index of the first entry of exactly that name (case counts), or -1.
    int FindSkinControl(std::string_view name) const;
    const std::vector<std::unique_ptr<TbsDataSkinControl>> &Controls() const { return controls_; }
    // The list picture of that index; null when there is none.
    const TbsBitmap *Picture(int index) const;
    int PictureCount() const { return static_cast<int>(pictures_.size()); }

    const std::vector<std::string> &PictureNames() const { return pictureNames_; }
    const TbsSkinInfo &Info() const { return info_; }
    // name:kind values of [SKINOBJECTS], which no page uses.
    const std::vector<std::string> &Objects() const { return objects_; }
    // The three form pictures, which no page uses.
    const std::optional<TbsBitmap> &FormPicture() const { return picture_; }
    const std::optional<TbsBitmap> &InactiveFormPicture() const { return inactivePicture_; }
    const std::optional<TbsBitmap> &FormMask() const { return mask_; }

private:
    void ReadText(std::string_view text);
    static std::unique_ptr<TbsDataSkinControl> CreateEntry(std::string_view value);

    std::optional<TbsBitmap> picture_;
    std::optional<TbsBitmap> inactivePicture_;
    std::optional<TbsBitmap> mask_;
    std::vector<TbsBitmap> pictures_;
    TbsSkinInfo info_;
    std::vector<std::string> pictureNames_;
    std::vector<std::string> objects_;
    std::vector<std::unique_ptr<TbsDataSkinControl>> controls_;
};

} // namespace skin
