#pragma once
// Why the library could not extract an item, in words.
#include <cstdint>
#include <string>

namespace sevenzip {

// The text of a non-OK operation result the library reports for an item;
// for an encrypted item a data or CRC error most likely means a wrong
// password, and says so.
std::string OperationResultText(int32_t result, bool encrypted);

} // namespace sevenzip
