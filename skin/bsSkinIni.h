#pragma once
// The INI text of a stored skin and the value syntaxes its sections use.
// Pure: no Win32 call, so the reader runs natively under the fuzzer too.
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// A rectangle of the skin: left, top, right, bottom.
struct TbsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Empty when its width or height is below 1.
    bool IsEmpty() const { return Width() < 1 || Height() < 1; }
    bool operator==(const TbsRect &) const = default;
};

struct TbsPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TbsPoint &) const = default;
};

struct TbsSkinFontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const TbsSkinFontStyle &) const = default;
};

class TbsSkinIni {
public:
    // Lines end in CR LF (a lone LF is taken too); section and key names
    // compare without regard to case, as INI files do.
    explicit TbsSkinIni(std::string_view text);

    bool HasKey(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view absent = {}) const;
    // A whole integer (optional sign); a value that is not one reads as `absent`.
    int ReadInteger(std::string_view section, std::string_view key, int absent) const;
    // An integer: 1 is true, anything else false.
    bool ReadBool(std::string_view section, std::string_view key) const;
    // Four comma-separated fields in which only the digits count, so
    // "5,-8,20,30" reads 5, 8, 20, 30. Fewer than four fields: TbsSkinError.
    TbsRect ReadRect(std::string_view section, std::string_view key) const;
    TbsPoint ReadPoint(std::string_view section, std::string_view key) const;
    // Each of fsbold, fsitalic, fsunderline, fsstrikeout that occurs.
    TbsSkinFontStyle ReadFontStyle(std::string_view section, std::string_view key) const;
    // Key <name>count, then keys 0, 1, ... of the same section.
    std::vector<std::string> ReadList(std::string_view section, std::string_view name) const;

    // The value syntaxes on their own.
    static TbsRect ParseRect(std::string_view value);
    static TbsPoint ParsePoint(std::string_view value);
    static TbsSkinFontStyle ParseFontStyle(std::string_view value);

private:
    static std::string Folded(std::string_view name);
    const std::string *Find(std::string_view section, std::string_view key) const;

    std::map<std::string, std::map<std::string, std::string>, std::less<>> sections_;
};

} // namespace skin
