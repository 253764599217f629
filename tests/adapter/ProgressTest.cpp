#include "AdapterTestSupport.h"

#include "win/SystemError.h"

#include <gtest/gtest.h>

#include <vector>

using namespace adapter_test;
using namespace testing_support;

namespace {

struct Report {
    bool isTotal;
    int64_t value;
    DWORD thread;
};

struct Recorder {
    std::vector<Report> reports;
    HRESULT stopWith = S_OK; // answered from the first amount-done report on
};

HRESULT Record(void *sender, bool isTotal, int64_t value)
{
    auto *recorder = static_cast<Recorder *>(sender);
    recorder->reports.push_back({isTotal, value, GetCurrentThreadId()});
    return isTotal ? S_OK : recorder->stopWith;
}

constexpr int64_t kTreeTotal = 3'255'840; // the unpacked size of tree.7z

} // namespace

// The progress page's bar follows these reports, so they must come on the
// caller's thread.
TEST(Progress, TotalComesOnceBeforeAmountsThatGrowToItAllOnTheCallersThread)
{
    TempFolder folder;
    Recorder recorder;
    auto archive = OpenArchive("tree.7z");
    archive->SetProgressCallback(&recorder, Record);
    archive->ExtractTo(folder.path());

    const auto &reports = recorder.reports;
    ASSERT_GE(reports.size(), 3u);
    EXPECT_TRUE(reports[0].isTotal);
    EXPECT_EQ(reports[0].value, kTreeTotal);
    int64_t previous = 0;
    for (size_t i = 1; i < reports.size(); ++i) {
        EXPECT_FALSE(reports[i].isTotal) << i;
        EXPECT_GE(reports[i].value, previous) << i;
        previous = reports[i].value;
    }
    EXPECT_EQ(reports.back().value, kTreeTotal);
    for (const Report &report : reports)
        EXPECT_EQ(report.thread, GetCurrentThreadId());
}

TEST(Progress, ANonZeroAnswerStopsExtractionAndRaisesItsSystemText)
{
    TempFolder folder;
    Recorder recorder;
    recorder.stopWith = ERROR_ACCESS_DENIED;
    auto archive = OpenArchive("tree.7z");
    archive->SetProgressCallback(&recorder, Record);
    try {
        archive->ExtractTo(folder.path());
        ADD_FAILURE() << "extraction went on";
    } catch (const std::runtime_error &error) {
        EXPECT_EQ(std::string(error.what()), win::SystemErrorText(ERROR_ACCESS_DENIED));
    }
    ASSERT_EQ(recorder.reports.size(), 2u) << "no report after the one that stopped";
    EXPECT_LT(recorder.reports[1].value, kTreeTotal);
}

// The stream given to a stopped ExtractItem is not kept: a later ExtractTo
// writes files again.
TEST(Progress, AStoppedExtractionLeavesNoStreamBehind)
{
    TempFolder folder;
    Recorder recorder;
    recorder.stopWith = E_ABORT;
    auto archive = OpenArchive("tree.7z");
    archive->SetProgressCallback(&recorder, Record);
    sevenzip::TMemoryDataStream stream;
    EXPECT_THROW(archive->ExtractItem(4, stream, false), std::runtime_error);

    archive->SetProgressCallback(nullptr, nullptr);
    archive->ExtractTo(folder.path());
    EXPECT_EQ(ReadBytes(folder.path() + "top.txt"), ReadBytes(DataPath("tree\\top.txt")));
}

TEST(Progress, AnErrorRaisedByTheCallbackReachesTheCaller)
{
    TempFolder folder;
    auto archive = OpenArchive("tree.7z");
    archive->SetProgressCallback(nullptr, [](void *, bool, int64_t) -> HRESULT {
        throw std::runtime_error("bar is gone");
    });
    try {
        archive->ExtractTo(folder.path());
        ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error &error) {
        EXPECT_STREQ(error.what(), "bar is gone");
    }
}
