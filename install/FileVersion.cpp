#include "install/FileVersion.h"

#include "win/Module.h"

#include <windows.h>
#include <winver.h>

#include <stdexcept>
#include <vector>

namespace {

// version.dll is not a known DLL: a copy planted beside the installer would
// be taken if it were imported statically.
struct VersionFunctions {
    win::Module library = win::LoadSystemLibrary("version.dll");
    decltype(&::GetFileVersionInfoSizeA) infoSize = library.procedure<decltype(infoSize)>("GetFileVersionInfoSizeA");
    decltype(&::GetFileVersionInfoA) info = library.procedure<decltype(info)>("GetFileVersionInfoA");
    decltype(&::VerQueryValueA) query = library.procedure<decltype(query)>("VerQueryValueA");
};

const VersionFunctions &Bound()
{
    static const VersionFunctions functions;
    if (!functions.infoSize || !functions.info || !functions.query)
        throw std::runtime_error("version.dll is not available");
    return functions;
}

} // namespace

std::string GetFileVersionText(const std::string &path)
{
    const VersionFunctions &version = Bound();
    DWORD ignored = 0;
    const DWORD size = version.infoSize(path.c_str(), &ignored);
    if (size == 0)
        throw std::runtime_error("no version information in " + path);
    std::vector<char> block(size);
    if (!version.info(path.c_str(), 0, size, block.data()))
        throw std::runtime_error("cannot read the version information of " + path);
    void *root = nullptr;
    UINT length = 0;
    if (!version.query(block.data(), "\\", &root, &length) || !root || length < sizeof(VS_FIXEDFILEINFO))
        throw std::runtime_error("no fixed version information in " + path);
    const auto &fixed = *static_cast<const VS_FIXEDFILEINFO *>(root);
    return std::to_string(HIWORD(fixed.dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed.dwFileVersionMS)) + "." +
           std::to_string(HIWORD(fixed.dwFileVersionLS)) + "." + std::to_string(LOWORD(fixed.dwFileVersionLS));
}
