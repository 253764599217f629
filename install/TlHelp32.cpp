#include "install/TlHelp32.h"

namespace TlHelp32 {
namespace {

struct Functions {
    decltype(&::CreateToolhelp32Snapshot) createSnapshot = nullptr;
    decltype(&::Process32First) first = nullptr;
    decltype(&::Process32Next) next = nullptr;
};

template <typename F> F Resolve(HMODULE module, const char *name)
{
    return reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

// kernel32 is always loaded, so its handle needs no reference of its own. A
// failed lookup is tried again on the next call.
const Functions &Bound()
{
    static Functions functions;
    if (!functions.createSnapshot) {
        if (HMODULE kernel = GetModuleHandleA("kernel32.dll")) {
            functions.createSnapshot = Resolve<decltype(functions.createSnapshot)>(kernel, "CreateToolhelp32Snapshot");
            functions.first = Resolve<decltype(functions.first)>(kernel, "Process32First");
            functions.next = Resolve<decltype(functions.next)>(kernel, "Process32Next");
        }
    }
    return functions;
}

} // namespace

HANDLE CreateToolhelp32Snapshot(DWORD flags, DWORD processId)
{
    const Functions &bound = Bound();
    return bound.createSnapshot ? bound.createSnapshot(flags, processId) : nullptr;
}

BOOL Process32First(HANDLE snapshot, PROCESSENTRY32 *entry)
{
    const Functions &bound = Bound();
    return bound.createSnapshot && bound.first ? bound.first(snapshot, entry) : FALSE;
}

BOOL Process32Next(HANDLE snapshot, PROCESSENTRY32 *entry)
{
    const Functions &bound = Bound();
    return bound.createSnapshot && bound.next ? bound.next(snapshot, entry) : FALSE;
}

} // namespace TlHelp32
