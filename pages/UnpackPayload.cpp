#include "pages/UnpackPayload.h"

#include "win/Handle.h"
#include "win/Resource.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

constexpr DWORD kChunkSize = 256 << 10;

// This executable's own file, for reading.
win::Handle OpenOwnFile()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            throw std::runtime_error("cannot name the executable");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    win::Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        throw std::runtime_error("cannot open the executable");
    return file;
}

void WriteAll(HANDLE file, const char *data, DWORD size, const std::string &path)
{
    while (size > 0) {
        DWORD written = 0;
        if (!WriteFile(file, data, size, &written, nullptr) || written == 0)
            throw std::runtime_error("cannot write " + path);
        data += written;
        size -= written;
    }
}

// The resource's bytes are read from the executable's file in chunks rather
// than written from its mapped image: writing 26 MB from the image would bring
// every page of it into the process's working set, and there they would stay.
void SaveResourceToFile(const char *name, const std::string &path)
{
    const std::string_view bytes = win::RawDataBytes(name);
    if (!bytes.data())
        throw std::runtime_error(std::string("resource ") + name + " not found");
    const auto offset = win::FileOffsetOf(bytes);
    if (!offset)
        throw std::runtime_error(std::string("resource ") + name + " is not in the executable's file");
    const win::Handle source = OpenOwnFile();
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(*offset);
    if (!SetFilePointerEx(source.get(), position, nullptr, FILE_BEGIN))
        throw std::runtime_error("cannot read the executable");

    win::Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot create " + path);
    std::vector<char> buffer(std::min<std::size_t>(bytes.size(), kChunkSize));
    for (std::size_t remaining = bytes.size(); remaining > 0;) {
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(remaining, buffer.size()));
        DWORD read = 0;
        if (!ReadFile(source.get(), buffer.data(), wanted, &read, nullptr) || read != wanted)
            throw std::runtime_error("cannot read the executable");
        WriteAll(file.get(), buffer.data(), read, path);
        remaining -= read;
    }
}

} // namespace

void UnpackPayload(const std::string &installDir)
{
    try {
        SaveResourceToFile("F1", installDir + "Larkview.7z");
        SaveResourceToFile("F7z", installDir + "7z.dll");
    } catch (const std::exception &) {
        // Swallowed on purpose: the install sequence reports a missing archive.
    }
}
