// Runs in a program of its own, so that no earlier test has loaded the
// libraries already: the run-time bindings must take PSAPI.dll and
// version.dll from the system folder even when copies lie beside the program.
#include "install/FileVersion.h"
#include "install/PsAPI.h"

#include "tests/support/TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

using testing_support::HostPath;

namespace {

std::string ModulePath(HMODULE module)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

// True when the path lies directly in the folder, compared without case.
bool InFolder(const std::string &path, const std::string &folder)
{
    const std::string prefix = folder + "\\";
    return path.size() > prefix.size() && path.find('\\', prefix.size()) == std::string::npos &&
           lstrcmpiA(path.substr(0, prefix.size()).c_str(), prefix.c_str()) == 0;
}

std::string SystemFolder()
{
    char path[MAX_PATH] = {};
    GetSystemDirectoryA(path, sizeof path);
    return path;
}

// Copies of a DLL without exports beside this program, removed at the end.
class PlantedLibraries : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string self = ModulePath(nullptr);
        folder = self.substr(0, self.find_last_of('\\') + 1);
        for (const char *name : kNames)
            ASSERT_TRUE(CopyFileA(HostPath(LARKVIEW_PLANTED_PATH).c_str(), (folder + name).c_str(), FALSE)) << name;
    }
    void TearDown() override
    {
        for (const char *name : kNames)
            DeleteFileA((folder + name).c_str());
    }

    static constexpr const char *kNames[] = {"PSAPI.dll", "version.dll"};
    std::string folder;
};

} // namespace

TEST_F(PlantedLibraries, BindingsTakeTheSystemsCopies)
{
    HMODULE first = nullptr;
    DWORD needed = 0;
    ASSERT_TRUE(PsAPI::EnumProcessModules(GetCurrentProcess(), &first, sizeof first, &needed));
    EXPECT_EQ(first, GetModuleHandleA(nullptr));
    char name[MAX_PATH] = {};
    EXPECT_GT(PsAPI::GetModuleFileNameExA(GetCurrentProcess(), first, name, sizeof name), 0u);
    EXPECT_EQ(std::string(name), ModulePath(nullptr));

    EXPECT_EQ(GetFileVersionText(HostPath(LARKVIEW_SKYVU_PATH)), "2.1.0.35");

    for (const char *planted : kNames) {
        EXPECT_EQ(GetModuleHandleA((folder + planted).c_str()), nullptr) << planted;
        const HMODULE loaded = GetModuleHandleA(planted);
        ASSERT_NE(loaded, nullptr) << planted;
        EXPECT_TRUE(InFolder(ModulePath(loaded), SystemFolder())) << ModulePath(loaded);
    }
}
