#include "skin/bsCompressedStoredSkin.h"

#include "ui/LayoutReader.h"
#include "win/Resource.h"

namespace skin {

bool TbsCompressedStoredSkin::SetProperty(std::string_view name, const ui::LayoutValue &value,
                                          ui::LayoutReader &reader)
{
    if (name == "CompressedData") {
        const std::string resource = reader.String(value);
        const std::string_view bytes = win::ResourceBytes(resource.c_str(), "SKIN");
        if (bytes.empty())
            reader.Fail("no skin resource '" + resource + "'");
        SetCompressedData(std::string(bytes));
    } else if (name == "Description") {
        Description = reader.String(value);
    } else if (name == "FileName") {
        FileName = reader.String(value);
    } else if (name == "CompressedFileName") {
        CompressedFileName = reader.String(value);
    } else {
        return TComponent::SetProperty(name, value, reader);
    }
    return true;
}

} // namespace skin
