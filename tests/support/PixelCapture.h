#pragma once
// What a paint leaves in a fresh 32-bit canvas, as 0x00RRGGBB pixels.
#include "win/Gdi.h"

#include <cstdint>
#include <vector>

struct Capture {
    template <typename Paint> Capture(int width, int height, Paint paint) : width(width)
    {
        win::WindowDC screen(nullptr);
        win::MemoryDC memory(screen.get());
        win::DibSection dib(screen.get(), width, height);
        win::SelectedObject selected(memory.get(), dib.get());
        paint(memory.get());
        GdiFlush();
        pixels.assign(dib.bits(), dib.bits() + width * height);
        for (auto &pixel : pixels)
            pixel &= 0xFFFFFF;
    }
    std::uint32_t operator()(int x, int y) const { return pixels[std::size_t(y) * width + x]; }

    int width;
    std::vector<std::uint32_t> pixels;
};

// A system colour as a DIB pixel.
inline std::uint32_t SystemPixel(int index)
{
    const COLORREF colour = GetSysColor(index);
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// What a window shows now.
inline Capture ShownPixels(HWND window, int width, int height)
{
    return Capture(width, height, [&](HDC dc) {
        win::WindowDC shown(window);
        BitBlt(dc, 0, 0, width, height, shown.get(), 0, 0, SRCCOPY);
    });
}
