#include "sevenzip/ItemPath.h"

#include <array>
#include <cwctype>

namespace sevenzip {

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// A control character (an embedded NUL above all) would cut or change the
// name the file system sees.
bool HasControlCharacter(std::wstring_view path)
{
    for (wchar_t c : path)
        if (c < L' ')
            return true;
    return false;
}

bool IsOnlyDotsAndBlanks(std::wstring_view part)
{
    return part.find_first_not_of(L". ") == std::wstring_view::npos;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towupper(a[i]) != std::towupper(b[i]))
            return false;
    return true;
}

// Windows maps a device name to the device whatever extension follows it and
// whatever dots or blanks trail it ("NUL", "nul.txt", "COM1 .log").
bool IsDeviceName(std::wstring_view part)
{
    static constexpr std::array<std::wstring_view, 8> kPlain = {L"CON",     L"PRN",      L"AUX",   L"NUL",
                                                                 L"CONIN$", L"CONOUT$", L"CLOCK$", L"CONFIG$"};
    std::wstring_view stem = part.substr(0, part.find(L'.'));
    stem = stem.substr(0, stem.find_last_not_of(L' ') + 1);
    for (std::wstring_view name : kPlain)
        if (EqualsIgnoringCase(stem, name))
            return true;
    // COM1 to COM9 and LPT1 to LPT9, also with the superscript digits ¹²³.
    if (stem.size() == 4 &&
        (EqualsIgnoringCase(stem.substr(0, 3), L"COM") || EqualsIgnoringCase(stem.substr(0, 3), L"LPT"))) {
        const wchar_t digit = stem[3];
        return (digit >= L'1' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' || digit == L'\u00B3';
    }
    return false;
}

} // namespace

bool IsSafeItemPath(std::wstring_view path)
{
    if (path.empty() || IsSeparator(path.front()) || path.find(L':') != std::wstring_view::npos ||
        HasControlCharacter(path))
        return false;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        const std::wstring_view part = path.substr(start, end - start);
        if (IsOnlyDotsAndBlanks(part) || IsDeviceName(part))
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace sevenzip
