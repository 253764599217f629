#include "win/SystemError.h"

#include <string_view>
#include <vector>

namespace win {

namespace {

// A Chinese system ends its texts with the ideographic full stop; it is cut
// like the ASCII one, so that the error report's own "." does not follow it.
bool IsTrailingNoise(std::string_view character)
{
    static const std::string ideographicStop = [] {
        char bytes[8];
        const int size = WideCharToMultiByte(CP_ACP, 0, L"\u3002", 1, bytes, sizeof bytes, nullptr, nullptr);
        return std::string(bytes, static_cast<size_t>(size));
    }();
    if (character.size() == 1)
        return static_cast<unsigned char>(character[0]) <= ' ' || character[0] == '.';
    return character == ideographicStop;
}

} // namespace

std::string SystemErrorText(DWORD code)
{
    char buffer[1024];
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        buffer, sizeof buffer, nullptr);
    const std::string_view text(buffer, length);
    // Characters are found from the start: a trail byte is no character.
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        starts.push_back(i);
        if (IsDBCSLeadByte(static_cast<BYTE>(text[i])))
            ++i;
    }
    size_t end = text.size();
    while (!starts.empty() && IsTrailingNoise(text.substr(starts.back(), end - starts.back()))) {
        end = starts.back();
        starts.pop_back();
    }
    return std::string(text.substr(0, end));
}

} // namespace win
