#include "install/ProcessStopper.h"

#include "tests/support/Slowdown.h"
#include "tests/support/TestFiles.h"
#include "win/Handle.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using testing_support::HostPath;
using testing_support::Slowed;
using testing_support::TempFolder;

namespace {

const std::string kProductPrograms = "skydock.exe|skyvu.exe|meshport.exe|skyhaul.exe|skyvunote.exe";

using Items = std::vector<std::string>;

// Sleeping helper programs started under chosen names, each from its own
// folder so that names differing only in case are separate files. Every
// helper still running when this goes is killed, and the job object kills
// them should the test program itself die. The helpers start side by side:
// where Wine runs emulated, each start takes a minute or two.
class RunningPrograms {
public:
    explicit RunningPrograms(const std::vector<std::string> &names)
        : job_(CreateJobObjectA(nullptr, nullptr))
    {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
        std::map<std::string, win::Handle> ready;
        for (const std::string &name : names)
            ready.emplace(name, start(name));
        // Once a helper runs its own code, its modules are listed.
        for (const auto &[name, event] : ready)
            if (WaitForSingleObject(event.get(), Slowed(10000)) != WAIT_OBJECT_0)
                throw std::runtime_error(name + " did not start");
    }
    RunningPrograms(const RunningPrograms &) = delete;
    RunningPrograms &operator=(const RunningPrograms &) = delete;
    ~RunningPrograms()
    {
        for (auto &[name, process] : processes_) {
            TerminateProcess(process.get(), 99);
            WaitForSingleObject(process.get(), Slowed(5000));
        }
    }

    bool running(const std::string &name) const
    {
        return WaitForSingleObject(processes_.at(name).get(), 0) == WAIT_TIMEOUT;
    }

    // True when the program ended within the time with exit code 0, the code
    // the stopper terminates with.
    bool terminated(const std::string &name) const
    {
        const HANDLE process = processes_.at(name).get();
        DWORD code = 1;
        return WaitForSingleObject(process, Slowed(5000)) == WAIT_OBJECT_0 && GetExitCodeProcess(process, &code) &&
               code == 0;
    }

private:
    // Starts the helper and returns the event it sets once it runs.
    win::Handle start(const std::string &name)
    {
        const std::string folder = root_.path() + std::to_string(processes_.size());
        const std::string program = folder + "\\" + name;
        if (!CreateDirectoryA(folder.c_str(), nullptr) ||
            !CopyFileA(HostPath(LARKVIEW_SLEEPER_PATH).c_str(), program.c_str(), FALSE))
            throw std::runtime_error("cannot place " + program);

        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        win::Handle ready(CreateEventA(&inheritable, TRUE, FALSE, nullptr));
        std::string commandLine =
            "\"" + program + "\" " + std::to_string(reinterpret_cast<std::uintptr_t>(ready.get()));
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                            nullptr, &startup, &info))
            throw std::runtime_error("cannot start " + program);
        win::Handle process(info.hProcess);
        win::Handle thread(info.hThread);
        AssignProcessToJobObject(job_.get(), process.get());
        ResumeThread(thread.get());
        processes_.emplace(name, std::move(process));
        return ready;
    }

    TempFolder root_{"stopper"};
    win::Handle job_;
    std::map<std::string, win::Handle> processes_;
};

const std::vector<std::string> kMatching = {"skyvu.exe", "SKYVU.EXE", "oldskyvu.exe"};
const std::vector<std::string> kOthers = {"skyvux.exe", "mediaplay.exe"};

std::vector<std::string> AllNames()
{
    std::vector<std::string> names = kMatching;
    names.insert(names.end(), kOthers.begin(), kOthers.end());
    return names;
}

} // namespace

TEST(SplitString, CutsAtEverySeparator)
{
    EXPECT_EQ(SplitString("skyvu.exe|skydock.exe", "|"), (Items{"skyvu.exe", "skydock.exe"}));
    EXPECT_EQ(SplitString("a||b", "|"), (Items{"a", "", "b"}));
    EXPECT_EQ(SplitString("a|", "|"), (Items{"a", ""}));
    EXPECT_EQ(SplitString("|a", "|"), (Items{"", "a"}));
    EXPECT_EQ(SplitString("|", "|"), (Items{"", ""}));
    EXPECT_EQ(SplitString("skyvu.exe", "|"), (Items{"skyvu.exe"}));
    EXPECT_EQ(SplitString("", "|"), Items{});
}

TEST(SplitString, TakesSeparatorsLongerThanOneCharacter)
{
    EXPECT_EQ(SplitString("a<>b<><>c", "<>"), (Items{"a", "b", "", "c"}));
    EXPECT_EQ(SplitString("a<b>c", "<>"), (Items{"a<b>c"}));
    EXPECT_EQ(SplitString("abc", ""), (Items{"abc"}));
}

TEST(CountNameMatches, SumsTheOneBasedPositionsOfEachItem)
{
    EXPECT_EQ(CountNameMatches(kProductPrograms, "skyvu.exe"), 1);
    EXPECT_EQ(CountNameMatches(kProductPrograms, "oldskyvu.exe"), 4);
    // skyvunote.exe holds no other item: "skyvu.exe" is not a part of it.
    EXPECT_EQ(CountNameMatches(kProductPrograms, "skyvunote.exe"), 1);
    EXPECT_EQ(CountNameMatches("skyvu|vu", "skyvu.exe"), 1 + 4);
    EXPECT_EQ(CountNameMatches("vu", "vuvu"), 1);
}

TEST(CountNameMatches, NeedsTheWholeItemExactlyAsWritten)
{
    EXPECT_EQ(CountNameMatches(kProductPrograms, "skyvux.exe"), 0);
    EXPECT_EQ(CountNameMatches(kProductPrograms, "SKYVU.EXE"), 0);
    EXPECT_EQ(CountNameMatches("SKYVU.EXE", "skyvu.exe"), 0);
    EXPECT_EQ(CountNameMatches(kProductPrograms, "explorer.exe"), 0);
    EXPECT_EQ(CountNameMatches(kProductPrograms, ""), 0);
}

TEST(CountNameMatches, EmptyItemsNeverMatch)
{
    EXPECT_EQ(CountNameMatches("", "skyvu.exe"), 0);
    EXPECT_EQ(CountNameMatches("|", "skyvu.exe"), 0);
    EXPECT_EQ(CountNameMatches("skydock.exe||", "skyvu.exe"), 0);
    EXPECT_EQ(CountNameMatches("|skyvu.exe|", "skyvu.exe"), 1);
}

TEST(StopRunningPrograms, OnePassTerminatesExactlyTheMatchingProgramsAndTheNextFindsNone)
{
    RunningPrograms programs(AllNames());

    EXPECT_TRUE(StopRunningPrograms(kProductPrograms));
    for (const std::string &name : kMatching)
        EXPECT_TRUE(programs.terminated(name)) << name;
    for (const std::string &name : kOthers)
        EXPECT_TRUE(programs.running(name)) << name;

    EXPECT_FALSE(StopRunningPrograms(kProductPrograms));
    for (const std::string &name : kOthers)
        EXPECT_TRUE(programs.running(name)) << name;
}

TEST(StopRunningPrograms, ListsThatCannotMatchLeaveEveryProgramRunning)
{
    RunningPrograms programs(AllNames());

    EXPECT_FALSE(StopRunningPrograms(""));
    EXPECT_FALSE(StopRunningPrograms("nothere.exe|"));
    EXPECT_FALSE(StopRunningPrograms("||"));
    EXPECT_FALSE(StopRunningPrograms("SKYVU.EXE|Skyvu.exe"));

    for (const std::string &name : AllNames())
        EXPECT_TRUE(programs.running(name)) << name;
}
