#include "sevenzip/Streams.h"

#include "win/SystemError.h"

#include <algorithm>
#include <cstring>

namespace sevenzip {

int64_t TDataStream::GetSize()
{
    const int64_t position = Seek(0, kFromCurrent);
    const int64_t size = Seek(0, kFromEnd);
    Seek(position, kFromBeginning);
    return size;
}

FileOpenError::FileOpenError(const std::string &path, DWORD error)
    : std::runtime_error("The archive file \"" + path + "\" could not be opened: " + win::SystemErrorText(error))
{
}

TFileDataStream TFileDataStream::OpenForReading(const std::string &path)
{
    win::Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw FileOpenError(path, GetLastError());
    return TFileDataStream(std::move(file));
}

uint32_t TFileDataStream::Read(void *buffer, uint32_t count)
{
    DWORD done = 0;
    return ReadFile(file_.get(), buffer, count, &done, nullptr) ? done : 0;
}

uint32_t TFileDataStream::Write(const void *buffer, uint32_t count)
{
    DWORD done = 0;
    return WriteFile(file_.get(), buffer, count, &done, nullptr) ? done : 0;
}

int64_t TFileDataStream::Seek(int64_t offset, SeekOrigin origin)
{
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(file_.get(), distance, &position, static_cast<DWORD>(origin)))
        return -1;
    return position.QuadPart;
}

void TFileDataStream::SetSize(int64_t size)
{
    const int64_t position = Seek(0, kFromCurrent);
    Seek(size, kFromBeginning);
    SetEndOfFile(file_.get());
    Seek(std::min(position, size), kFromBeginning);
}

uint32_t TMemoryDataStream::Read(void *buffer, uint32_t count)
{
    const int64_t size = static_cast<int64_t>(bytes_.size());
    if (position_ >= size)
        return 0;
    const auto done = static_cast<uint32_t>(std::min<int64_t>(count, size - position_));
    std::memcpy(buffer, bytes_.data() + position_, done);
    position_ += done;
    return done;
}

uint32_t TMemoryDataStream::Write(const void *buffer, uint32_t count)
{
    if (count == 0)
        return 0;
    const auto end = static_cast<size_t>(position_) + count;
    if (end > bytes_.size())
        bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
    return count;
}

int64_t TMemoryDataStream::Seek(int64_t offset, SeekOrigin origin)
{
    const int64_t base = origin == kFromBeginning ? 0
                         : origin == kFromCurrent ? position_
                                                  : static_cast<int64_t>(bytes_.size());
    if (base + offset >= 0)
        position_ = base + offset;
    return position_;
}

void TMemoryDataStream::SetSize(int64_t size)
{
    bytes_.resize(static_cast<size_t>(std::max<int64_t>(size, 0)));
    position_ = std::min(position_, static_cast<int64_t>(bytes_.size()));
}

} // namespace sevenzip
