#pragma once
// Read-only access to the executable's own resources.
#include <windows.h>

#include <string_view>

namespace ui {

// The bytes of the named resource of this executable, in place; empty when
// there is none.
inline std::string_view ResourceBytes(const char *name, const char *type)
{
    const HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name, type);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void *bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const char *>(bytes), SizeofResource(module, found)};
}

} // namespace ui
