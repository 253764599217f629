// Stand-in for the browser plug-in: a COM server that registers itself per
// user, so that a silent regsvr32 run leaves a visible trace.
#include <windows.h>
#include <string>

namespace {

HMODULE thisModule;
constexpr const wchar_t *kClassKey = L"Software\\Classes\\CLSID\\{6C1A2F3E-8B4D-4E1A-9F2B-5A7C3D9E0B14}";
constexpr const wchar_t *kProgIdKey = L"Software\\Classes\\Larkview.Rodeviv";

bool SetDefaultValue(const std::wstring &keyName, const std::wstring &value)
{
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyName.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    const LSTATUS status =
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

std::wstring ModulePath()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(thisModule, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        thisModule = instance;
    return TRUE;
}

extern "C" HRESULT __stdcall DllRegisterServer()
{
    const std::wstring classKey = kClassKey;
    const bool written = SetDefaultValue(classKey, L"云雀视界浏览器插件") &&
                         SetDefaultValue(classKey + L"\\InprocServer32", ModulePath()) &&
                         SetDefaultValue(std::wstring(kProgIdKey) + L"\\CLSID",
                                         classKey.substr(classKey.find(L'{')));
    return written ? S_OK : E_FAIL;
}

extern "C" HRESULT __stdcall DllUnregisterServer()
{
    RegDeleteTreeW(HKEY_CURRENT_USER, kClassKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgIdKey);
    return S_OK;
}
