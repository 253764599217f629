#pragma once
// File-system failures raised to the caller with the system's error code.
#include <windows.h>

#include <stdexcept>
#include <string>

// The text for a system error code: 2 "File not found", 3 "Invalid
// filename", 4 "Too many open files", 5 "File access denied", any other
// code "I/O error <code>".
std::string IoErrorText(DWORD code);

class IoError : public std::runtime_error {
public:
    explicit IoError(DWORD code) : std::runtime_error(IoErrorText(code)), code_(code) {}
    DWORD code() const { return code_; }

private:
    DWORD code_;
};
