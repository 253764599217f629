#include "win/Resource.h"

namespace win {

std::string_view ResourceBytes(const char *name, const char *type)
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

std::string_view RawDataBytes(const char *name)
{
    return ResourceBytes(name, RT_RCDATA);
}

} // namespace win
