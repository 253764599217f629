#include "sevenzip/OperationResult.h"

namespace sevenzip {

std::string OperationResultText(int32_t result, bool encrypted)
{
    switch (result) {
    case 1: return "Unsupported compression method";
    case 2: return encrypted ? "Data error in encrypted file (wrong password?)" : "Data error";
    case 3: return encrypted ? "CRC failed in encrypted file (wrong password?)" : "CRC failed";
    case 4: return "Unavailable data";
    case 5: return "Unexpected end of data";
    case 6: return "There are some data after the end of the payload data";
    case 7: return "Is not archive";
    case 8: return "Headers error";
    case 9: return "Wrong password";
    default: return "Error " + std::to_string(result);
    }
}

} // namespace sevenzip
