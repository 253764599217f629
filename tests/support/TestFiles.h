#pragma once
// File helpers shared by the Windows test programs.
#include <windows.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace testing_support {

// The Windows path of a host path: Wine maps the host's root to drive Z:.
inline std::string HostPath(std::string path)
{
    for (char &c : path)
        if (c == '/')
            c = '\\';
    return "Z:" + path;
}

inline std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw std::runtime_error("cannot write " + path);
}

inline bool FileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

inline bool FolderExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Deletes a folder and everything below it.
inline void RemoveTree(const std::string &folder)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = entry.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// A fresh, empty folder under the temp folder, deleted with everything in it
// when the object goes. path() ends with a backslash.
class TempFolder {
public:
    explicit TempFolder(const std::string &tag = "larkview")
    {
        char base[MAX_PATH + 1];
        GetTempPathA(sizeof base, base);
        static unsigned counter = 0;
        folder_ = std::string(base) + tag + "-" + std::to_string(GetCurrentProcessId()) + "-" +
                  std::to_string(++counter);
        RemoveTree(folder_);
        if (!CreateDirectoryA(folder_.c_str(), nullptr))
            throw std::runtime_error("cannot create " + folder_);
    }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    ~TempFolder() { RemoveTree(folder_); }

    std::string path() const { return folder_ + "\\"; }

private:
    std::string folder_;
};

} // namespace testing_support
