#include "install/PsAPI.h"

#include "win/Module.h"

namespace PsAPI {
namespace {

struct Functions {
    win::Module library;
    BOOL(WINAPI *enumModules)(HANDLE, HMODULE *, DWORD, DWORD *) = nullptr;
    DWORD(WINAPI *moduleFileName)(HANDLE, HMODULE, char *, DWORD) = nullptr;
};

// A failed load is forgotten and tried again on the next call.
const Functions &Bound()
{
    static Functions functions;
    if (!functions.library) {
        functions.library = win::LoadSystemLibrary("PSAPI.dll");
        functions.enumModules = functions.library.procedure<decltype(functions.enumModules)>("EnumProcessModules");
        functions.moduleFileName =
            functions.library.procedure<decltype(functions.moduleFileName)>("GetModuleFileNameExA");
    }
    return functions;
}

} // namespace

BOOL EnumProcessModules(HANDLE process, HMODULE *modules, DWORD size, DWORD *needed)
{
    const Functions &bound = Bound();
    return bound.enumModules ? bound.enumModules(process, modules, size, needed) : FALSE;
}

DWORD GetModuleFileNameExA(HANDLE process, HMODULE module, char *fileName, DWORD size)
{
    const Functions &bound = Bound();
    return bound.moduleFileName ? bound.moduleFileName(process, module, fileName, size) : 0;
}

} // namespace PsAPI
