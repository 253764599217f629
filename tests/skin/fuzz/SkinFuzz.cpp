// libFuzzer target: the whole stored-skin loader (inflate, stored format, BMP
// and INI readers, control entries) on arbitrary bytes. A damaged skin may
// only raise TbsSkinError; AddressSanitizer catches any read past the input.
#include "skin/bsSkinContent.h"
#include "skin/bsSkinError.h"
#include "skin/bsStoredSkinFormat.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    try {
        if (const auto content = skin::TbsSkinContent::Load(bytes))
            (void)content->FindSkinControl("checkbox");
    } catch (const skin::TbsSkinError &) {
    }
    // The stored stream without its zlib layer, so the fuzzer reaches the
    // pictures and the text without having to learn deflate.
    try {
        (void)skin::ReadStoredSkinStream(bytes);
    } catch (const skin::TbsSkinError &) {
    }
    return 0;
}
