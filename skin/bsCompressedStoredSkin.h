#pragma once
// A whole skin kept with a page as one compressed stream (see
// bsStoredSkinFormat.h). The layout names the stream by its resource; the
// component holds it whole in memory and hands it to the skin data.
#include "ui/Component.h"

#include <string>

namespace skin {

class TbsCompressedStoredSkin : public ui::TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TbsCompressedStoredSkin"; }

    const std::string &CompressedData() const { return compressedData_; }
    void SetCompressedData(std::string data) { compressedData_ = std::move(data); }

    std::string Description;
    std::string FileName;
    std::string CompressedFileName;

    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override;

private:
    std::string compressedData_;
};

} // namespace skin
