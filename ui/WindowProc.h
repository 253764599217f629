#pragma once
// The one window procedure of every window of the framework: controls and
// pages, the application window and the timer window. The object of class T
// is bound to its window as a window property (T::kWindowProperty), at
// WM_NCCREATE from CreateWindowEx's last argument or by Bind for a subclassed
// system control, and unbound after WM_NCDESTROY. Every message goes to
// T::HandleMessage; an error escaping it ends the event and reaches the error
// report, so that none crosses the frames of Windows.
#include "ui/ErrorReport.h"

#include <windows.h>

namespace ui {

// Registers a window class of this executable once (lpfnWndProc and the name
// set by the caller); a class that cannot be registered raises an error.
void RegisterWindowClass(WNDCLASSA windowClass);

template <typename T> class WindowProcedure {
public:
    static T *Bound(HWND window)
    {
        return window ? static_cast<T *>(GetPropA(window, T::kWindowProperty)) : nullptr;
    }
    static void Bind(HWND window, T &object) { SetPropA(window, T::kWindowProperty, &object); }
    static void Unbind(HWND window) { RemovePropA(window, T::kWindowProperty); }

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        T *object = Bound(window);
        if (!object && message == WM_NCCREATE) {
            object = static_cast<T *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
            if (object) {
                Bind(window, *object);
                object->AttachWindow(window);
            }
        }
        if (!object)
            return DefWindowProcA(window, message, wParam, lParam);
        LRESULT result = 0;
        try {
            result = object->HandleMessage(message, wParam, lParam);
        } catch (...) {
            ReportException();
        }
        if (message == WM_NCDESTROY)
            Unbind(window);
        return result;
    }
};

} // namespace ui
