#include "win/Module.h"

#include "win/FileSystem.h"

namespace win {
namespace {

// Windows 7 without the loader update refuses the search flag with
// ERROR_INVALID_PARAMETER: there `fallbackPath()` is loaded the classic way,
// with the search starting in the DLL's own folder.
template <typename FallbackPath> Module LoadWithinSystemFolder(const char *nameOrPath, FallbackPath fallbackPath)
{
    if (HMODULE module = LoadLibraryExA(nameOrPath, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))
        return Module(module);
    if (GetLastError() != ERROR_INVALID_PARAMETER)
        return Module();
    const std::string path = fallbackPath();
    return path.empty() ? Module() : Module(LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

} // namespace

void SearchDllsInTheSystemFolderOnly()
{
    // Looked up rather than imported: Windows 7 without the loader update
    // lacks it, and a missing import would stop the program before its first line.
    using SetDefaultDllDirectoriesFunc = BOOL(WINAPI *)(DWORD);
    const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunc>(
        reinterpret_cast<void *>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryA(""); // at least the current folder leaves the search
}

Module LoadSystemLibrary(const char *name)
{
    // Without the flag the DLL is named by its full path in the system folder.
    return LoadWithinSystemFolder(name, [name] { return SystemFolderFile(name); });
}

Module LoadLibraryByFullPath(const std::string &path)
{
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full)
        return Module();
    // Without the flag the library's imports are searched the classic way; the
    // 7-Zip library imports only KnownDLLs, which come from the system folder anyway.
    return LoadWithinSystemFolder(full, [&full] { return std::string(full); });
}

} // namespace win
