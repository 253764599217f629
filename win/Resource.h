#pragma once
// Read-only access to the executable's own resources.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace win {

// The bytes of the named resource of this executable, in place, for as long
// as the program runs; a null view when there is none.
std::string_view ResourceBytes(const char *name, const char *type);

// The same for a raw-data (RCDATA) resource.
std::string_view RawDataBytes(const char *name);

// Where bytes of this executable's loaded image (a resource's, say) lie in its
// file; none when they are not all within one section's data in the file.
std::optional<std::uint64_t> FileOffsetOf(std::string_view imageBytes);

} // namespace win
