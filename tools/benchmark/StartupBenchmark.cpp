// Launch-to-first-painted-page time of the wizard against a bare Win32
// window program, under the same Wine (or Windows).
//   StartupBenchmark <wizard.exe> <bare.exe> [runs]
// A run starts the program and polls every millisecond for a visible window
// of it, larger than one pixel, whose update region is empty: the system has
// asked it to paint and it has. Runs alternate between the two programs; each
// program is ended after its measurement. The last line reads
//   startup ratio wizard/bare = R
// with R the ratio of the medians.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindPaintedWindow(HWND window, LPARAM parameter)
{
    auto *search = reinterpret_cast<Search *>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window))
        return TRUE;
    RECT bounds;
    GetWindowRect(window, &bounds);
    if (bounds.right - bounds.left <= 1 || bounds.bottom - bounds.top <= 1)
        return TRUE;
    if (GetUpdateRect(window, nullptr, FALSE))
        return TRUE;
    search->found = window;
    return FALSE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Seconds from process creation to its first painted window.
double MeasureOnce(const std::string &program)
{
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        throw std::runtime_error("cannot start " + program);
    Search search{process.dwProcessId, nullptr};
    LARGE_INTEGER now = start;
    while (!search.found) {
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            throw std::runtime_error(program + " ended before it showed a window");
        EnumWindows(FindPaintedWindow, reinterpret_cast<LPARAM>(&search));
        QueryPerformanceCounter(&now);
        if (Seconds(start, now) > 60)
            throw std::runtime_error(program + " showed no painted window within 60 s");
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
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
    for (double time : times)
        std::printf(" %.3f", time);
    std::printf("  min %.3f s  median %.3f s\n", *std::min_element(times.begin(), times.end()), Median(times));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartupBenchmark <wizard.exe> <bare.exe> [runs]\n");
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 9;
    try {
        // One unmeasured start of each, so both find the same warm caches.
        MeasureOnce(argv[1]);
        MeasureOnce(argv[2]);
        std::vector<double> wizard;
        std::vector<double> bare;
        for (int run = 0; run < runs; ++run) {
            wizard.push_back(MeasureOnce(argv[1]));
            bare.push_back(MeasureOnce(argv[2]));
        }
        Report("wizard", wizard);
        Report("bare", bare);
        std::printf("startup ratio wizard/bare = %.2f\n", Median(wizard) / Median(bare));
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
