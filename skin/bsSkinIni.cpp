#include "skin/bsSkinIni.h"

#include "skin/bsSkinError.h"

#include <cctype>
#include <algorithm>
#include <charconv>

namespace skin {
namespace {

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// The comma-separated fields of a value, each read by its digits alone.
std::vector<int> DigitFields(std::string_view value, std::size_t wanted)
{
    std::vector<int> fields;
    std::size_t start = 0;
    while (fields.size() < wanted && start <= value.size()) {
        const std::size_t comma = std::min(value.find(',', start), value.size());
        long long number = 0;
        for (char c : value.substr(start, comma - start))
            if (c >= '0' && c <= '9' && number < 100000000)
                number = number * 10 + (c - '0');
        fields.push_back(static_cast<int>(number));
        start = comma + 1;
    }
    if (fields.size() < wanted)
        throw TbsSkinError("Damaged skin text: '" + std::string(value) + "' has fewer than " +
                           std::to_string(wanted) + " fields");
    return fields;
}

} // namespace

TbsSkinIni::TbsSkinIni(std::string_view text)
{
    std::map<std::string, std::string> *section = nullptr;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            section = &sections_[Folded(Trimmed(line.substr(1, line.size() - 2)))];
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!section || equals == std::string_view::npos)
            continue;
        // The first occurrence of a key wins, as the INI reading calls find it.
        section->emplace(Folded(Trimmed(line.substr(0, equals))), std::string(Trimmed(line.substr(equals + 1))));
    }
}

std::string TbsSkinIni::Folded(std::string_view name)
{
    std::string folded(name);
    for (char &c : folded)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

const std::string *TbsSkinIni::Find(std::string_view section, std::string_view key) const
{
    const auto found = sections_.find(Folded(section));
    if (found == sections_.end())
        return nullptr;
    const auto value = found->second.find(Folded(key));
    return value == found->second.end() ? nullptr : &value->second;
}

bool TbsSkinIni::HasKey(std::string_view section, std::string_view key) const
{
    return Find(section, key) != nullptr;
}

std::string TbsSkinIni::ReadString(std::string_view section, std::string_view key, std::string_view absent) const
{
    const std::string *value = Find(section, key);
    return value ? *value : std::string(absent);
}

int TbsSkinIni::ReadInteger(std::string_view section, std::string_view key, int absent) const
{
    const std::string *value = Find(section, key);
    if (!value || value->empty())
        return absent;
    std::string_view text = *value;
    if (text.front() == '+')
        text.remove_prefix(1);
    int result = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    return error == std::errc() && end == text.data() + text.size() ? result : absent;
}

bool TbsSkinIni::ReadBool(std::string_view section, std::string_view key) const
{
    return ReadInteger(section, key, 0) == 1;
}

TbsRect TbsSkinIni::ParseRect(std::string_view value)
{
    const std::vector<int> fields = DigitFields(value, 4);
    return {fields[0], fields[1], fields[2], fields[3]};
}

TbsPoint TbsSkinIni::ParsePoint(std::string_view value)
{
    const std::vector<int> fields = DigitFields(value, 2);
    return {fields[0], fields[1]};
}

TbsSkinFontStyle TbsSkinIni::ParseFontStyle(std::string_view value)
{
    const auto has = [value](std::string_view name) { return value.find(name) != std::string_view::npos; };
    return {has("fsbold"), has("fsitalic"), has("fsunderline"), has("fsstrikeout")};
}

TbsRect TbsSkinIni::ReadRect(std::string_view section, std::string_view key) const
{
    return ParseRect(ReadString(section, key, "0,0,0,0"));
}

TbsPoint TbsSkinIni::ReadPoint(std::string_view section, std::string_view key) const
{
    return ParsePoint(ReadString(section, key, "0,0"));
}

TbsSkinFontStyle TbsSkinIni::ReadFontStyle(std::string_view section, std::string_view key) const
{
    return ParseFontStyle(ReadString(section, key));
}

std::vector<std::string> TbsSkinIni::ReadList(std::string_view section, std::string_view name) const
{
    std::vector<std::string> items;
    const auto found = sections_.find(Folded(section));
    if (found == sections_.end())
        return items;
    // No list has more items than its section has keys: a damaged count
    // cannot make the reader spin, and a missing key reads as empty.
    const long long count = std::min<long long>(ReadInteger(section, std::string(name) + "count", 0),
                                                static_cast<long long>(found->second.size()));
    for (long long i = 0; i < count; ++i)
        items.push_back(ReadString(section, std::to_string(i)));
    return items;
}

} // namespace skin
