#include "ui/Application.h"

#include "ui/ErrorText.h"
#include "ui/WindowProc.h"

#include <objbase.h>

#include <stdexcept>

namespace ui {

TApplication *Application = nullptr;

TApplication::TApplication()
{
    comInitialised_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &WindowProcedure<TApplication>::Procedure;
    windowClass.hIcon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    windowClass.lpszClassName = "TApplication";
    RegisterWindowClass(windowClass);
    // A window without size: it never shows on screen, yet it holds the
    // taskbar button with the title, and owns the pages so they get none.
    CreateWindowExA(0, windowClass.lpszClassName, "",
                    WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                    GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    if (!handle_)
        throw std::runtime_error("Error creating the application window");
    Application = this;
}

TApplication::~TApplication()
{
    while (!forms_.empty())
        forms_.pop_back();
    mainForm_ = nullptr;
    DestroyWindow(handle_);
    // A termination request that the loop did not collect ends with this object.
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    if (Application == this)
        Application = nullptr;
    if (comInitialised_)
        CoUninitialize();
}

void TApplication::SetTitle(std::string title)
{
    title_ = std::move(title);
    SetWindowTextA(handle_, title_.c_str());
}

void TApplication::Run()
{
    if (mainForm_) {
        ShowWindow(handle_, SW_SHOWNOACTIVATE);
        mainForm_->Show();
    }
    while (!terminated_) {
        MSG message;
        const BOOL result = GetMessageA(&message, nullptr, 0, 0);
        if (result == 0 || result == -1)
            break;
        Dispatch(message);
    }
    terminated_ = true;
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            terminated_ = true;
        else
            Dispatch(message);
    }
}

void TApplication::Dispatch(MSG &message)
{
    // Tab and Shift+Tab move the focus through the page's tab order; no other
    // key (Enter, Esc) has a page-wide meaning.
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
        GetKeyState(VK_MENU) >= 0) {
        if (auto *form = dynamic_cast<TForm *>(TWinControl::FromHandle(GetAncestor(message.hwnd, GA_ROOT)))) {
            form->SelectNext(GetKeyState(VK_SHIFT) >= 0);
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::Terminate()
{
    terminated_ = true;
    PostQuitMessage(0);
}

void TApplication::Minimize()
{
    if (minimized_)
        return;
    minimized_ = true;
    for (const auto &form : forms_)
        if (form->Visible() && form->HandleAllocated())
            ShowWindow(form->Handle(), SW_HIDE);
    ShowWindow(handle_, SW_MINIMIZE);
}

void TApplication::Restore()
{
    if (!minimized_)
        return;
    minimized_ = false;
    ShowWindow(handle_, SW_RESTORE);
    for (const auto &form : forms_)
        if (form->Visible())
            form->ApplyVisibility();
}

int TApplication::MessageBox(const std::string &text, const std::string &caption, UINT flags)
{
    // The pages are owned, not children, of the application window: disable
    // them so that the box is modal for the whole wizard (a disabled page also
    // gives up the mouse capture of a click in progress).
    std::vector<HWND> disabled;
    for (const auto &form : forms_) {
        if (form->HandleAllocated() && IsWindowEnabled(form->Handle())) {
            EnableWindow(form->Handle(), FALSE);
            disabled.push_back(form->Handle());
        }
    }
    HWND active = GetActiveWindow();
    const int result = ::MessageBoxA(handle_, text.c_str(), caption.c_str(), flags);
    for (HWND window : disabled)
        EnableWindow(window, TRUE);
    if (active && IsWindowVisible(active))
        SetActiveWindow(active);
    return result;
}

void TApplication::ShowException(const std::exception &error)
{
    if (OnException)
        OnException(error);
    else
        MessageBox(ErrorReportText(error.what()), title_, MB_OK | MB_ICONERROR);
}

LRESULT TApplication::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SYSCOMMAND:
        // The taskbar button minimises and restores the whole wizard.
        if ((wParam & 0xFFF0) == SC_MINIMIZE) {
            Minimize();
            return 0;
        }
        // A restore of a minimising that was not the wizard's own (the shell's
        // "minimise all") is left to the system.
        if ((wParam & 0xFFF0) == SC_RESTORE && minimized_) {
            Restore();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // The application window has no face of its own: activation (from the
        // taskbar or Alt+Tab) goes on to the page on screen.
        if (LOWORD(wParam) != WA_INACTIVE && !minimized_) {
            for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
                if ((*it)->Visible() && (*it)->HandleAllocated()) {
                    SetActiveWindow((*it)->Handle());
                    return 0;
                }
            }
        }
        break;
    case WM_CLOSE:
        if (mainForm_)
            mainForm_->Close();
        else
            Terminate();
        return 0;
    default:
        break;
    }
    return DefWindowProcA(handle_, message, wParam, lParam);
}

void ReportException() noexcept
{
    try {
        try {
            throw;
        } catch (const std::exception &error) {
            if (Application)
                Application->ShowException(error);
            else
                ::MessageBoxA(nullptr, ErrorReportText(error.what()).c_str(), "", MB_OK | MB_ICONERROR);
        } catch (...) {
            const std::runtime_error unknown("Unknown error");
            if (Application)
                Application->ShowException(unknown);
        }
    } catch (...) {
        // A failing report must not take the program down with it.
    }
}

} // namespace ui
