// The wizard's entry: until the pages arrive, one blank page on a hidden
// application window that carries the title.
#include <windows.h>
#include <objbase.h>

#include <algorithm>

namespace {

constexpr const char *kTitle = "云雀视界安装向导";
constexpr int kPageWidth = 588;
constexpr int kPageHeight = 400;

LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateApplicationWindow(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.lpszClassName = "TApplication";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, windowClass.lpszClassName, kTitle, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0,
                           nullptr, nullptr, instance, nullptr);
}

HWND CreatePage(HINSTANCE instance, HWND owner)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PageProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "TForm1";
    RegisterClassA(&windowClass);
    const int left = std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - kPageWidth) / 2);
    const int top = std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - kPageHeight) / 2);
    return CreateWindowExA(0, windowClass.lpszClassName, "Form1", WS_POPUP | WS_CLIPCHILDREN, left, top,
                           kPageWidth, kPageHeight, owner, nullptr, instance, nullptr);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // Before anything else: no DLL is taken from the installer's folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const bool comReady = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));

    HWND application = CreateApplicationWindow(instance);
    ShowWindow(CreatePage(instance, application), SW_SHOWNORMAL);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DestroyWindow(application);
    if (comReady)
        CoUninitialize();
    return 0;
}
