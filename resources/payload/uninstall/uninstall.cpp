// Stand-in for the uninstaller: tells which folder it would remove.
#include <windows.h>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);
    MessageBoxW(nullptr, (L"将卸载以下文件夹中的云雀视界：\n" + folder).c_str(), L"卸载云雀视界",
                MB_OK | MB_ICONINFORMATION);
    return 0;
}
