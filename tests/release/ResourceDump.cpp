// Writes one RCDATA resource of a program to a file, as Windows' resource
// loader reads it, so that a host-side check can compare the payload and the
// library inside a signed wizard with the files that were bound.
//   ResourceDump <program> <resource name> <output file>   (host paths)
#include "tests/support/TestFiles.h"
#include "win/Module.h"

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

using testing_support::HostPath;

namespace {

std::string ReadResource(const std::string &program, const char *name)
{
    const win::Module module(
        LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module)
        throw std::runtime_error("cannot load " + program);
    HRSRC info = FindResourceA(module.get(), name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    const void *data = info ? LockResource(LoadResource(module.get(), info)) : nullptr;
    if (!data)
        throw std::runtime_error(std::string("no resource ") + name + " in " + program);
    return {static_cast<const char *>(data), SizeofResource(module.get(), info)};
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: ResourceDump <program> <resource name> <output file>\n");
        return 2;
    }
    try {
        testing_support::WriteBytes(HostPath(argv[3]), ReadResource(HostPath(argv[1]), argv[2]));
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "ResourceDump: %s\n", error.what());
        return 1;
    }
}
