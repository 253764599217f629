#pragma once
// Ownership of GDI objects and device contexts.
#include <windows.h>
#include <utility>

namespace win {

// Owns a GDI object (bitmap, font, brush, pen, region) and deletes it once.
template <typename T> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T object) : object_(object) {}
    GdiObject(GdiObject &&other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
    GdiObject &operator=(GdiObject &&other) noexcept
    {
        if (this != &other)
            reset(std::exchange(other.object_, nullptr));
        return *this;
    }
    GdiObject(const GdiObject &) = delete;
    GdiObject &operator=(const GdiObject &) = delete;
    ~GdiObject() { reset(); }

    T get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    void reset(T object = nullptr)
    {
        if (object_)
            DeleteObject(object_);
        object_ = object;
    }

private:
    T object_ = nullptr;
};

using Bitmap = GdiObject<HBITMAP>;
using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;

// A memory device context compatible with another one; deleted once.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC &) = delete;
    MemoryDC &operator=(const MemoryDC &) = delete;
    ~MemoryDC()
    {
        if (dc_)
            DeleteDC(dc_);
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The device context of a window (or of the screen for null), released once.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC &) = delete;
    WindowDC &operator=(const WindowDC &) = delete;
    ~WindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
    PaintDC(const PaintDC &) = delete;
    PaintDC &operator=(const PaintDC &) = delete;
    ~PaintDC() { EndPaint(window_, &paint_); }
    HDC get() const { return paint_.hdc; }
    const RECT &area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
};

// Keeps an object selected into a DC for a scope and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;
    ~SelectedObject() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves a DC's state (origin, clipping, selections) and restores it at scope end.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
    SavedDC(const SavedDC &) = delete;
    SavedDC &operator=(const SavedDC &) = delete;
    ~SavedDC() { RestoreDC(dc_, state_); }

private:
    HDC dc_;
    int state_;
};

// The header of a 32-bit top-down DIB (B, G, R, x bytes per pixel).
inline BITMAPINFO TopDownBitmapInfo(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit top-down DIB section whose pixels (BGRA, one DWORD each) the
// program reads and writes directly.
class DibSection {
public:
    DibSection(HDC dc, int width, int height) : width_(width), height_(height)
    {
        BITMAPINFO info = TopDownBitmapInfo(width, height);
        void *bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        bits_ = static_cast<DWORD *>(bits);
    }
    HBITMAP get() const { return bitmap_.get(); }
    explicit operator bool() const { return bits_ != nullptr; }
    DWORD *bits() const { return bits_; }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    Bitmap bitmap_;
    DWORD *bits_ = nullptr;
    int width_;
    int height_;
};

} // namespace win
