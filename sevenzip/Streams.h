#pragma once
// The adapter's data streams, which T7zStream offers to the library through
// its stream interfaces: an abstract stream, a file stream and a memory stream.
#include "win/Handle.h"

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace sevenzip {

enum SeekOrigin : int { kFromBeginning = 0, kFromCurrent = 1, kFromEnd = 2 };

class TDataStream {
public:
    virtual ~TDataStream() = default;
    // Both return the number of bytes moved; a short count is not an error.
    virtual uint32_t Read(void *buffer, uint32_t count) = 0;
    virtual uint32_t Write(const void *buffer, uint32_t count) = 0;
    // Returns the position after the move.
    virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;
    virtual void SetSize(int64_t size) = 0;
    int64_t GetSize();
};

// Raised when a file cannot be opened: names the file and adds the system text.
class FileOpenError : public std::runtime_error {
public:
    FileOpenError(const std::string &path, DWORD error);
};

class TFileDataStream : public TDataStream {
public:
    // Takes over an open file handle.
    explicit TFileDataStream(win::Handle file) : file_(std::move(file)) {}
    // Opens an existing file for reading; others may still read and write it.
    static TFileDataStream OpenForReading(const std::string &path);

    uint32_t Read(void *buffer, uint32_t count) override;
    uint32_t Write(const void *buffer, uint32_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    void SetSize(int64_t size) override;

private:
    win::Handle file_;
};

class TMemoryDataStream : public TDataStream {
public:
    uint32_t Read(void *buffer, uint32_t count) override;
    uint32_t Write(const void *buffer, uint32_t count) override;
    int64_t Seek(int64_t offset, SeekOrigin origin) override;
    void SetSize(int64_t size) override;

    const std::vector<char> &Bytes() const { return bytes_; }

private:
    std::vector<char> bytes_;
    int64_t position_ = 0;
};

} // namespace sevenzip
