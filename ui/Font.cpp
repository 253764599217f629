#include "ui/Font.h"

#include <cstring>

namespace ui {

TFont &TFont::operator=(const TFont &other)
{
    if (this != &other) {
        name_ = other.name_;
        height_ = other.height_;
        color_ = other.color_;
        style_ = other.style_;
        charset_ = other.charset_;
        Changed();
    }
    return *this;
}

void TFont::SetName(std::string name)
{
    name_ = std::move(name);
    Changed();
}

void TFont::SetHeight(int height)
{
    height_ = height;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    style_ = style;
    Changed();
}

void TFont::SetCharset(int charset)
{
    charset_ = charset;
    Changed();
}

HFONT TFont::Handle() const
{
    if (!handle_) {
        LOGFONTA font{};
        font.lfHeight = height_;
        font.lfWeight = style_.bold ? FW_BOLD : FW_NORMAL;
        font.lfItalic = style_.italic;
        font.lfUnderline = style_.underline;
        font.lfStrikeOut = style_.strikeOut;
        font.lfCharSet = static_cast<BYTE>(charset_);
        font.lfQuality = DEFAULT_QUALITY;
        strncpy(font.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
        handle_.reset(CreateFontIndirectA(&font));
    }
    return handle_.get();
}

} // namespace ui
