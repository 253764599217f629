#include "ui/WindowProc.h"

#include <stdexcept>
#include <string>

namespace ui {

void RegisterWindowClass(WNDCLASSA windowClass)
{
    windowClass.hInstance = GetModuleHandleA(nullptr);
    WNDCLASSA registered{};
    if (GetClassInfoA(windowClass.hInstance, windowClass.lpszClassName, &registered))
        return;
    if (!RegisterClassA(&windowClass))
        throw std::runtime_error(std::string("Error creating window class ") + windowClass.lpszClassName);
}

} // namespace ui
