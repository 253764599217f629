#include "install/ShellFolder.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

struct ItemIdListFree {
    void operator()(ITEMIDLIST *list) const { CoTaskMemFree(list); }
};

} // namespace

std::optional<std::string> SpecialFolderPath(int csidl)
{
    ITEMIDLIST *list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)))
        return std::nullopt;
    const std::unique_ptr<ITEMIDLIST, ItemIdListFree> owned(list);
    char path[MAX_PATH + 1] = {};
    if (!SHGetPathFromIDListA(owned.get(), path))
        return std::nullopt;
    return std::string(path);
}
