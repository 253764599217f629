// Start-up benchmark: launch to the first painted window of the wizard (its
// options page) against a bare Win32 program that opens and paints one
// 588 x 400 window, under the same Wine, runs alternating:
//   startup_bench <wizard.exe> <bare.exe> [runs]
// Prints each side's times, min and median; the last line reads
//   startup ratio wizard/bare = R
// with R the ratio of the medians.
#include "win/Handle.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double kTimeLimitSeconds = 60;

struct Search {
    DWORD processId;
    HWND found;
};

bool IsPainted(HWND window)
{
    return !GetUpdateRect(window, nullptr, FALSE);
}

BOOL CALLBACK FindUnpaintedChild(HWND child, LPARAM parameter)
{
    if (IsWindowVisible(child) && !IsPainted(child)) {
        *reinterpret_cast<bool *>(parameter) = true;
        return FALSE;
    }
    return TRUE;
}

// A visible window of the process, larger than the 1 x 1 window that holds a
// taskbar button under Wine, with nothing of it left to paint.
BOOL CALLBACK FindPaintedWindow(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    RECT bounds;
    GetWindowRect(window, &bounds);
    if (bounds.right - bounds.left <= 1 || bounds.bottom - bounds.top <= 1 || !IsPainted(window))
        return TRUE;
    bool unpaintedChild = false;
    EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpaintedChild));
    if (unpaintedChild)
        return TRUE;
    search->found = window;
    return FALSE;
}

// An empty update region is set when painting starts (BeginPaint), and a
// window can be visible a moment before it is first invalidated. The GUI
// thread answers a sent message only between two messages it dispatches, so
// a window that is still painted after that answer has finished its paint.
bool HasFinishedPaint(HWND window)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, 10000, &answer))
        return false;
    return IsPainted(window);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Seconds from the start of the process to its first painted window; the
// program is ended afterwards.
double MeasureOnce(const std::string &program)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        throw std::runtime_error("cannot start " + program);
    win::Handle process(info.hProcess), thread(info.hThread);
    LARGE_INTEGER now = start;
    for (;;) {
        if (WaitForSingleObject(process.get(), 1) == WAIT_OBJECT_0)
            throw std::runtime_error(program + " ended before it painted a window");
        Search search{info.dwProcessId, nullptr};
        EnumWindows(FindPaintedWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found && HasFinishedPaint(search.found)) {
            QueryPerformanceCounter(&now);
            break;
        }
        QueryPerformanceCounter(&now);
        if (Seconds(start, now) > kTimeLimitSeconds)
            throw std::runtime_error(program + " painted no window within 60 s");
    }
    TerminateProcess(process.get(), 0);
    WaitForSingleObject(process.get(), 10000);
    return Seconds(start, now);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Report(const char *name, const std::vector<double> &times)
{
    std::printf("%-6s", name);
    for (const double time : times)
        std::printf(" %.3f", time);
    std::printf("  min %.3f s, median %.3f s\n", *std::min_element(times.begin(), times.end()), Median(times));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: startup_bench <wizard.exe> <bare.exe> [runs]\n");
        return 2;
    }
    const int runs = argc == 4 ? std::max(1, std::atoi(argv[3])) : 9;
    try {
        // One unmeasured start of each, so both find the same warm caches.
        MeasureOnce(argv[1]);
        MeasureOnce(argv[2]);
        std::vector<double> wizard, bare;
        for (int run = 0; run < runs; ++run) {
            wizard.push_back(MeasureOnce(argv[1]));
            bare.push_back(MeasureOnce(argv[2]));
        }
        Report("wizard", wizard);
        Report("bare", bare);
        std::printf("min ratio wizard/bare = %.2f\n",
                    *std::min_element(wizard.begin(), wizard.end()) / *std::min_element(bare.begin(), bare.end()));
        std::printf("startup ratio wizard/bare = %.2f\n", Median(wizard) / Median(bare));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
