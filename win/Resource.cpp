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

std::optional<std::uint64_t> FileOffsetOf(std::string_view imageBytes)
{
    const auto *base = reinterpret_cast<const char *>(GetModuleHandleA(nullptr));
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    const auto *headers = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    if (imageBytes.data() < base)
        return std::nullopt;
    const auto address = static_cast<std::uint64_t>(imageBytes.data() - base);
    const IMAGE_SECTION_HEADER *section = IMAGE_FIRST_SECTION(headers);
    for (WORD i = 0; i < headers->FileHeader.NumberOfSections; ++i, ++section) {
        if (address < section->VirtualAddress)
            continue;
        const std::uint64_t within = address - section->VirtualAddress;
        if (within + imageBytes.size() <= section->SizeOfRawData)
            return section->PointerToRawData + within;
    }
    return std::nullopt;
}

} // namespace win
