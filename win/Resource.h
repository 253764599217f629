#pragma once
// Read-only access to the executable's own resources.
#include <windows.h>

#include <string_view>

namespace win {

// The bytes of the named resource of this executable, in place, for as long
// as the program runs; a null view when there is none.
std::string_view ResourceBytes(const char *name, const char *type);

// The same for a raw-data (RCDATA) resource.
std::string_view RawDataBytes(const char *name);

} // namespace win
