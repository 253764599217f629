#include "win/FileSystem.h"

#include <windows.h>

namespace win {

namespace {

bool IsFolder(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool HasAttributes(const std::string &path, bool folder)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
}

} // namespace

bool FileExists(const std::string &path)
{
    return HasAttributes(path, false);
}

bool FolderExists(const std::string &path)
{
    return HasAttributes(path, true);
}

std::wstring AnsiToWide(const std::string &text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}

bool ForceDirectories(const std::wstring &folder)
{
    std::wstring path = folder;
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    if (path.empty() || IsFolder(path))
        return true;
    const size_t parent = path.find_last_of(L'\\');
    if (parent != std::wstring::npos && !ForceDirectories(path.substr(0, parent)))
        return false;
    return CreateDirectoryW(path.c_str(), nullptr) || IsFolder(path);
}

} // namespace win
