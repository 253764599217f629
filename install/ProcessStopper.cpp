#include "install/ProcessStopper.h"

#include "install/PsAPI.h"
#include "install/TlHelp32.h"
#include "win/Handle.h"

#include <cstring>

namespace {

// The access mask of PROCESS_ALL_ACCESS before Windows Vista; later systems
// accept it too.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

// Only the letters A to Z are lowered, byte by byte: a second byte of a
// double-byte character in that range is lowered as well.
std::string LowerAsciiLetters(const char (&name)[MAX_PATH])
{
    std::string lowered(name, strnlen(name, MAX_PATH));
    for (char &c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 0x20);
    return lowered;
}

// Terminates the process when its first module's file name can be read,
// which is how processes the installer has no business with (system
// processes, other users' processes) are passed over.
bool TerminateProgram(DWORD processId)
{
    win::Handle process(OpenProcess(kProcessAllAccess, FALSE, processId));
    if (!process)
        return false;
    // Room for one handle: only the executable, the first module, is wanted.
    HMODULE executable = nullptr;
    DWORD needed = 0;
    char fileName[MAX_PATH];
    if (!PsAPI::EnumProcessModules(process.get(), &executable, sizeof executable, &needed) ||
        PsAPI::GetModuleFileNameExA(process.get(), executable, fileName, sizeof fileName) == 0)
        return false;
    TerminateProcess(process.get(), 0);
    return true;
}

} // namespace

std::vector<std::string> SplitString(const std::string &text, const std::string &separator)
{
    std::vector<std::string> items;
    if (text.empty())
        return items;
    // An empty separator occurs nowhere; searching for it would never end.
    if (separator.empty())
        return {text};
    std::string::size_type start = 0;
    for (auto found = text.find(separator); found != std::string::npos; found = text.find(separator, start)) {
        items.push_back(text.substr(start, found - start));
        start = found + separator.size();
    }
    items.push_back(text.substr(start));
    return items;
}

int CountNameMatches(const std::string &nameList, const std::string &exeName)
{
    int sum = 0;
    for (const std::string &item : SplitString(nameList, "|")) {
        const auto found = item.empty() ? std::string::npos : exeName.find(item);
        if (found != std::string::npos)
            sum += static_cast<int>(found) + 1;
    }
    return sum;
}

// The kernel checks dwSize against the entry size of the caller's
// architecture: 296 bytes on 32-bit Windows, 304 on 64-bit.
static_assert(sizeof(PROCESSENTRY32) == (sizeof(void *) == 8 ? 304 : 296));

bool StopRunningPrograms(const std::string &nameList)
{
    bool stopped = false;
    win::Handle snapshot(TlHelp32::CreateToolhelp32Snapshot(TH32CS_SNAPALL, 0));
    if (!snapshot)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = TlHelp32::Process32First(snapshot.get(), &entry); more;
         more = TlHelp32::Process32Next(snapshot.get(), &entry)) {
        if (CountNameMatches(nameList, LowerAsciiLetters(entry.szExeFile)) > 0 && TerminateProgram(entry.th32ProcessID))
            stopped = true;
    }
    return stopped;
}
