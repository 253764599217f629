// Extraction benchmark: the same archive unpacked through the adapter and
// through the library's own console program 7zr.exe, each in a process of
// its own, so both pay the same start-up:
//   extract_bench <archive> <7z.dll> <7zr.exe> <work folder> [runs]
// The child mode extract_bench --adapter <archive> <7z.dll> <folder> is the
// adapter's run.
#include "sevenzip/SevenZip.h"
#include "tests/support/TestFiles.h"
#include "win/Handle.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using testing_support::RemoveTree;

namespace {

const wchar_t kPassword[] = L"wqbirex$$";

// Total size and count of the files below a folder.
std::pair<uint64_t, int> TreeSize(const std::string &folder)
{
    std::pair<uint64_t, int> total{0, 0};
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return total;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            const auto inner = TreeSize(folder + "\\" + name);
            total.first += inner.first;
            total.second += inner.second;
        } else {
            total.first += (uint64_t{entry.nFileSizeHigh} << 32) | entry.nFileSizeLow;
            ++total.second;
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return total;
}

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Runs a command line to its end with its output discarded; seconds taken.
double TimedRun(std::string command)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    win::Handle nul(CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                                nullptr));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = nul.get();
    PROCESS_INFORMATION info = {};
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        std::fprintf(stderr, "cannot start %s\n", command.c_str());
        std::exit(1);
    }
    win::Handle process(info.hProcess), thread(info.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    const double seconds = Now() - start;
    DWORD code = 1;
    GetExitCodeProcess(process.get(), &code);
    if (code != 0) {
        std::fprintf(stderr, "%s ended with %lu\n", command.c_str(), code);
        std::exit(1);
    }
    return seconds;
}

std::string Quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

int ExtractThroughAdapter(const std::string &archivePath, const std::string &library, const std::string &folder)
{
    try {
        const auto archive = sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, library);
        archive->SetPassword(kPassword);
        archive->OpenFile(archivePath);
        archive->ExtractTo(folder);
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::string(argv[1]) == "--adapter")
        return ExtractThroughAdapter(argv[2], argv[3], argv[4]);
    if (argc != 5 && argc != 6) {
        std::fprintf(stderr, "usage: extract_bench <archive> <7z.dll> <7zr.exe> <work folder> [runs]\n");
        return 2;
    }
    const std::string archive = argv[1], library = argv[2], sevenZr = argv[3], work = argv[4];
    const int runs = argc == 6 ? std::max(1, std::atoi(argv[5])) : 5;
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    const std::string adapterOut = work + "\\adapter", sevenZrOut = work + "\\7zr";
    CreateDirectoryA(work.c_str(), nullptr);

    const std::string adapterCommand =
        Quoted(self) + " --adapter " + Quoted(archive) + " " + Quoted(library) + " " + Quoted(adapterOut);
    const std::string sevenZrCommand = Quoted(sevenZr) + " x -y -bso0 -bsp0 -pwqbirex$$ " + Quoted("-o" + sevenZrOut) +
                                       " " + Quoted(archive);

    // One unmeasured run of each warms the file cache and checks that both
    // unpack the same files.
    std::vector<double> adapterTimes, sevenZrTimes;
    for (int run = 0; run <= runs; ++run) {
        RemoveTree(adapterOut);
        const double adapter = TimedRun(adapterCommand);
        RemoveTree(sevenZrOut);
        const double sevenZr = TimedRun(sevenZrCommand);
        if (run == 0) {
            const auto a = TreeSize(adapterOut), b = TreeSize(sevenZrOut);
            std::printf("unpacked: adapter %d files %llu bytes, 7zr %d files %llu bytes\n", a.second,
                        static_cast<unsigned long long>(a.first), b.second, static_cast<unsigned long long>(b.first));
            if (a != b || a.second == 0)
                return 1;
            continue;
        }
        std::printf("run %d: adapter %.3f s, 7zr %.3f s\n", run, adapter, sevenZr);
        adapterTimes.push_back(adapter);
        sevenZrTimes.push_back(sevenZr);
    }
    RemoveTree(adapterOut);
    RemoveTree(sevenZrOut);

    const double adapterMin = *std::min_element(adapterTimes.begin(), adapterTimes.end());
    const double sevenZrMin = *std::min_element(sevenZrTimes.begin(), sevenZrTimes.end());
    std::printf("adapter: min %.3f s, median %.3f s\n", adapterMin, Median(adapterTimes));
    std::printf("7zr:     min %.3f s, median %.3f s\n", sevenZrMin, Median(sevenZrTimes));
    std::printf("min ratio adapter/7zr = %.2f\n", adapterMin / sevenZrMin);
    std::printf("extract ratio adapter/7zr = %.2f\n", Median(adapterTimes) / Median(sevenZrTimes));
    return 0;
}
