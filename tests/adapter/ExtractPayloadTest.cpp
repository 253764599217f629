#include "pages/ExtractPayload.h"

#include "AdapterTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace adapter_test;
using namespace testing_support;

namespace {

struct RecordingBar : ExtractProgressBar {
    std::vector<int> maxima, positions;
    void SetMax(int max) override { maxima.push_back(max); }
    void SetPosition(int position) override { positions.push_back(position); }
};

// Makes a bar current for the length of a test.
class CurrentBar {
public:
    CurrentBar() { SetExtractProgressBar(&bar); }
    ~CurrentBar() { SetExtractProgressBar(nullptr); }
    RecordingBar bar;
};

// The files the payload was packed from (its empty "plugins" folder is not
// extracted).
std::string PayloadStage()
{
    const std::string payload = LARKVIEW_PAYLOAD_PATH;
    return HostPath(payload.substr(0, payload.rfind('/')) + "/stage") + "\\";
}

void CopyPayloadInto(const std::string &folder)
{
    ASSERT_TRUE(CopyFileA(HostPath(LARKVIEW_PAYLOAD_PATH).c_str(), (folder + "Larkview.7z").c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(LibraryPath().c_str(), (folder + "7z.dll").c_str(), FALSE));
}

} // namespace

TEST(ProgressCallback, WritesTheDebugLineAndMovesTheBarExactlyBelow2GiBAndScaledAbove)
{
    EXPECT_EQ(ProgressLine(true, 57000000), "-1 ->57000000");
    EXPECT_EQ(ProgressLine(false, 0), "0 ->0");
    EXPECT_EQ(ProgressLine(false, 5000000000), "0 ->5000000000");

    CurrentBar current;
    EXPECT_EQ(ProgressCallback(nullptr, true, 0x100000005), S_OK);
    EXPECT_EQ(ProgressCallback(nullptr, false, 0x80000000), S_OK);
    EXPECT_EQ(ProgressCallback(nullptr, false, 0x100000005), S_OK);
    EXPECT_EQ(ProgressCallback(nullptr, true, 0x7FFFFFFF), S_OK);
    EXPECT_EQ(ProgressCallback(nullptr, false, 0x7FFFFFFE), S_OK);
    EXPECT_EQ(current.bar.maxima, (std::vector<int>{0x40000001, 0x7FFFFFFF}));
    EXPECT_EQ(current.bar.positions, (std::vector<int>{0x20000000, 0x40000001, 0x7FFFFFFE}));
}

TEST(ExtractPayload, ExtractsThePayloadWithItsPasswordWhileTheBarFollows)
{
    TempFolder folder;
    CopyPayloadInto(folder.path());
    CurrentBar current;

    EXPECT_TRUE(ExtractPayload(folder.path() + "Larkview.7z", folder.path()));

    std::set<std::string> expected = ListTree(PayloadStage());
    ASSERT_TRUE(expected.erase("plugins\\"));
    ASSERT_TRUE(expected.count("skyvu.exe"));
    expected.insert({"Larkview.7z", "7z.dll"});
    EXPECT_EQ(ListTree(folder.path()), expected);
    for (const std::string &name : expected) {
        if (name.back() != '\\' && name != "Larkview.7z" && name != "7z.dll") {
            EXPECT_EQ(ReadBytes(folder.path() + name), ReadBytes(PayloadStage() + name)) << name;
        }
    }

    ASSERT_EQ(current.bar.maxima.size(), 1u);
    ASSERT_FALSE(current.bar.positions.empty());
    EXPECT_EQ(current.bar.positions.back(), current.bar.maxima[0]);
    // The archive object is gone: the library is unloaded and the archive free.
    EXPECT_FALSE(ModuleIsLoaded(folder.path() + "7z.dll"));
    EXPECT_TRUE(DeleteFileA((folder.path() + "Larkview.7z").c_str()));
}

TEST(ExtractPayload, MissingArchiveReturnsFalse)
{
    TempFolder folder;
    EXPECT_FALSE(ExtractPayload(folder.path() + "Larkview.7z", folder.path()));
}

TEST(ExtractPayload, MissingLibraryRaisesTheLoadErrorAndLeavesTheArchive)
{
    TempFolder folder;
    CopyPayloadInto(folder.path());
    DeleteFileA((folder.path() + "7z.dll").c_str());
    try {
        ExtractPayload(folder.path() + "Larkview.7z", folder.path());
        ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error &error) {
        EXPECT_EQ(std::string(error.what()), "Error loading library " + folder.path() + "7z.dll");
    }
    EXPECT_EQ(ListTree(folder.path()), std::set<std::string>{"Larkview.7z"});
}
