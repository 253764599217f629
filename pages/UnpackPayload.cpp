#include "pages/UnpackPayload.h"

#include "win/Handle.h"
#include "win/Resource.h"

#include <stdexcept>

namespace {

// The resource data is written straight from the executable's mapped image;
// no copy of the 26 MB archive is made in memory.
void SaveResourceToFile(const char *name, const std::string &path)
{
    const std::string_view bytes = win::RawDataBytes(name);
    if (!bytes.data())
        throw std::runtime_error(std::string("resource ") + name + " not found");
    const char *data = bytes.data();
    auto remaining = static_cast<DWORD>(bytes.size());

    win::Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        throw std::runtime_error("cannot create " + path);
    while (remaining > 0) {
        DWORD written = 0;
        if (!WriteFile(file.get(), data, remaining, &written, nullptr) || written == 0)
            throw std::runtime_error("cannot write " + path);
        data += written;
        remaining -= written;
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
