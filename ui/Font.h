#pragma once
// A font as the layouts describe it: face, cell height, colour, style.
#include "ui/Types.h"
#include "win/Gdi.h"

#include <string>

namespace ui {

struct TFontStyles {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const TFontStyles &) const = default;
};

class TFont {
public:
    TFont() = default;
    TFont(std::string name, int height) : name_(std::move(name)), height_(height) {}
    TFont(const TFont &other) { *this = other; }
    TFont &operator=(const TFont &other);

    const std::string &Name() const { return name_; }
    void SetName(std::string name);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return height_; }
    void SetHeight(int height);
    TColor Color() const { return color_; }
    void SetColor(TColor color) { color_ = color; }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // The GDI font, created on first use and kept until a property changes.
    HFONT Handle() const;

private:
    void Changed() { handle_.reset(); }

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int charset_ = DEFAULT_CHARSET;
    mutable win::Font handle_;
};

} // namespace ui
