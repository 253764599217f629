#include "install/IoError.h"

std::string IoErrorText(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return "File not found";
    case ERROR_PATH_NOT_FOUND:
        return "Invalid filename";
    case ERROR_TOO_MANY_OPEN_FILES:
        return "Too many open files";
    case ERROR_ACCESS_DENIED:
        return "File access denied";
    default:
        return "I/O error " + std::to_string(static_cast<int>(code));
    }
}
