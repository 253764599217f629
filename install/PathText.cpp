#include "install/PathText.h"

#include <windows.h>

namespace {

// Calls visit(position, width) for each character in turn. A lead byte as
// the very last byte has no partner and stands alone.
template <typename Visit> void ForEachCharacter(std::string_view text, const LeadBytes &lead, Visit visit)
{
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t width =
            lead.contains(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        visit(i, width);
        i += width;
    }
}

// Position of the last single-byte character that is one of the delimiters,
// or npos.
std::size_t LastDelimiter(std::string_view text, std::string_view delimiters, const LeadBytes &lead)
{
    std::size_t last = std::string_view::npos;
    ForEachCharacter(text, lead, [&](std::size_t at, std::size_t width) {
        if (width == 1 && delimiters.find(text[at]) != std::string_view::npos)
            last = at;
    });
    return last;
}

} // namespace

LeadBytes::LeadBytes(unsigned codePage)
{
    CPINFO info{};
    if (!GetCPInfo(codePage, &info))
        return;
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2)
        for (unsigned byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte)
            set_.set(byte);
}

const LeadBytes &LeadBytes::System()
{
    static const LeadBytes system(CP_ACP);
    return system;
}

bool EndsWithBackslash(std::string_view text, const LeadBytes &lead)
{
    return !text.empty() && LastDelimiter(text, "\\", lead) == text.size() - 1;
}

std::string IncludeTrailingBackslash(std::string_view text, const LeadBytes &lead)
{
    std::string result(text);
    if (!EndsWithBackslash(text, lead))
        result += '\\';
    return result;
}

std::string ExcludeTrailingBackslash(std::string_view text, const LeadBytes &lead)
{
    return std::string(EndsWithBackslash(text, lead) ? text.substr(0, text.size() - 1) : text);
}

std::string FileNamePart(std::string_view path, const LeadBytes &lead)
{
    const std::size_t last = LastDelimiter(path, "\\:", lead);
    return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string FolderPart(std::string_view path, const LeadBytes &lead)
{
    const std::size_t last = LastDelimiter(path, "\\", lead);
    return std::string(last == std::string_view::npos ? std::string_view() : path.substr(0, last + 1));
}

std::string DoubleBackslashes(std::string_view path, const LeadBytes &lead)
{
    std::string result;
    result.reserve(path.size());
    ForEachCharacter(path, lead, [&](std::size_t at, std::size_t width) {
        result.append(path.substr(at, width));
        if (width == 1 && path[at] == '\\')
            result += '\\';
    });
    return result;
}
