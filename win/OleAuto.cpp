#include "win/OleAuto.h"

#include "win/Module.h"

namespace win {
namespace {

struct Functions {
    Module library;
    BSTR(WINAPI *allocate)(const OLECHAR *, UINT) = nullptr;
    UINT(WINAPI *length)(BSTR) = nullptr;
};

// A failed load is forgotten and tried again on the next call.
const Functions &Bound()
{
    static Functions functions;
    if (!functions.library) {
        functions.library = LoadSystemLibrary("oleaut32.dll");
        functions.allocate = functions.library.procedure<decltype(functions.allocate)>("SysAllocStringLen");
        functions.length = functions.library.procedure<decltype(functions.length)>("SysStringLen");
    }
    return functions;
}

} // namespace

BSTR AllocateBstr(const wchar_t *text, UINT length)
{
    const Functions &bound = Bound();
    return bound.allocate ? bound.allocate(text, length) : nullptr;
}

UINT BstrLength(BSTR text)
{
    if (!text)
        return 0;
    const Functions &bound = Bound();
    return bound.length ? bound.length(text) : 0;
}

} // namespace win
