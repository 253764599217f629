// The repaint benchmark (run by bench/run-bench.sh repaint; not a test): a
// full repaint of the unfolded options page, its windowed controls included,
// against a plain copy of the same 588 x 550 pixels onto the page, in
// alternating runs. Prints each run, the medians and, last, the ratio.
// For scale it also times the least any window can cost: one window of the
// page's size whose paint is that same single copy.
#include "pages/Unit1.h"
#include "ui/Application.h"
#include "win/Gdi.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <vector>

namespace {

constexpr int kRepaintsPerRun = 50;

// A 588 x 550 window whose paint copies `pixels` with one BitBlt.
class CopyWindow {
public:
    explicit CopyWindow(HDC pixels)
    {
        source_ = pixels;
        WNDCLASSA windowClass{};
        windowClass.lpszClassName = "RepaintBenchCopy";
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpfnWndProc = &WindowProc;
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0, 588,
                                  550, nullptr, nullptr, windowClass.hInstance, nullptr);
    }
    CopyWindow(const CopyWindow &) = delete;
    CopyWindow &operator=(const CopyWindow &) = delete;
    ~CopyWindow() { DestroyWindow(window_); }
    HWND get() const { return window_; }

private:
    // A named function, not a lambda: a lambda converts only to a pointer of
    // the compiler's own calling convention, and 32-bit Windows calls
    // window procedures with stdcall.
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message != WM_PAINT)
            return DefWindowProcA(window, message, wParam, lParam);
        win::PaintDC paint(window);
        BitBlt(paint.get(), 0, 0, 588, 550, source_, 0, 0, SRCCOPY);
        return 0;
    }

    static inline HDC source_ = nullptr;
    HWND window_;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Milliseconds per repetition of `step`, over kRepaintsPerRun repetitions.
double Time(const std::function<void()> &step)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRepaintsPerRun; ++i)
        step();
    GdiFlush();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    return elapsed.count() / kRepaintsPerRun;
}

int Run(int runs)
{
    ui::TApplication application;
    application.CreateForm(Form1);
    Form1->Show();
    Form1->bsPngImageView1Click(nullptr);
    application.ProcessMessages();
    const HWND page = Form1->Handle();
    if (Form1->Width() != 588 || Form1->Height() != 550) {
        std::fprintf(stderr, "the page is %d x %d, not unfolded\n", Form1->Width(), Form1->Height());
        return 1;
    }

    win::WindowDC screen(page);
    win::MemoryDC copy(screen.get());
    win::Bitmap pixels(CreateCompatibleBitmap(screen.get(), 588, 550));
    win::SelectedObject selected(copy.get(), pixels.get());
    RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    BitBlt(copy.get(), 0, 0, 588, 550, screen.get(), 0, 0, SRCCOPY);

    std::vector<double> floors;
    {
        CopyWindow window(copy.get());
        application.ProcessMessages();
        for (int run = 1; run <= runs; ++run)
            floors.push_back(Time([&window] {
                RedrawWindow(window.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            }));
    }
    application.ProcessMessages();

    std::vector<double> repaints;
    std::vector<double> copies;
    for (int run = 1; run <= runs; ++run) {
        repaints.push_back(Time([page] {
            RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        }));
        copies.push_back(Time([&] { BitBlt(screen.get(), 0, 0, 588, 550, copy.get(), 0, 0, SRCCOPY); }));
        std::printf("run %d: page repaint %.3f ms, copy %.3f ms\n", run, repaints.back(), copies.back());
    }
    std::printf("page repaint: min %.3f ms, median %.3f ms\n", *std::min_element(repaints.begin(), repaints.end()),
                Median(repaints));
    std::printf("copy:         min %.3f ms, median %.3f ms\n", *std::min_element(copies.begin(), copies.end()),
                Median(copies));
    std::printf("one window painting the copy: median %.3f ms (ratio %.2f)\n", Median(floors),
                Median(floors) / Median(copies));
    std::printf("repaint ratio page/copy = %.2f\n", Median(repaints) / Median(copies));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return Run(argc > 1 ? std::max(1, std::atoi(argv[1])) : 5);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
