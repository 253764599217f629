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

std::string SystemFolderFile(const char *name)
{
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::string();
    return std::string(folder, length) + "\\" + name;
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

std::string WideToAnsi(const std::wstring &text)
{
    if (text.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), length, nullptr, nullptr);
    return ansi;
}

bool ForceDirectories(const std::wstring &folder)
{
    std::wstring path = folder;
    while (!path.empty() && path.back() == L'\\')
        path.pop_back();
    // A bare drive ("C:") counts as present: creating it could only fail.
    if (path.size() < 3 || IsFolder(path))
        return true;
    const size_t parent = path.find_last_of(L'\\');
    if (parent != std::wstring::npos && !ForceDirectories(path.substr(0, parent)))
        return false;
    if (CreateDirectoryW(path.c_str(), nullptr))
        return true;
    // The failure's code stays the thread's last error for the caller's
    // report, unless the folder appeared meanwhile.
    const DWORD error = GetLastError();
    if (IsFolder(path))
        return true;
    SetLastError(error);
    return false;
}

} // namespace win
