// The wizard executable's resources: payload, library, icon, version record,
// and no application manifest.
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace testing_support;

namespace {

const WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

struct ModuleDeleter {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using ModulePtr = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleDeleter>;

class WizardIdentity : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        wizard_ = HostPath(LARKVIEW_WIZARD_PATH);
        module_.reset(LoadLibraryExA(wizard_.c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    }
    static void TearDownTestSuite() { module_.reset(); }

    static std::string Resource(const char *type, const char *name, WORD language)
    {
        HRSRC info = FindResourceExA(module_.get(), type, name, language);
        if (!info)
            return {};
        const auto *data = static_cast<const char *>(LockResource(LoadResource(module_.get(), info)));
        return {data, SizeofResource(module_.get(), info)};
    }

    static std::vector<char> VersionRecord()
    {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeA(wizard_.c_str(), &ignored);
        std::vector<char> record(size);
        if (size == 0 || !GetFileVersionInfoA(wizard_.c_str(), 0, size, record.data()))
            record.clear();
        return record;
    }

    static std::string VersionString(std::vector<char> &record, const char *name)
    {
        char *value = nullptr;
        UINT length = 0;
        const std::string query = std::string("\\StringFileInfo\\080404b0\\") + name;
        if (!VerQueryValueA(record.data(), query.c_str(), reinterpret_cast<void **>(&value), &length) || !value)
            return "<missing>";
        return value;
    }

    static inline std::string wizard_;
    static inline ModulePtr module_;
};

} // namespace

TEST_F(WizardIdentity, CarriesThePayloadAndTheLibraryInChinesePrc)
{
    ASSERT_TRUE(module_) << wizard_;
    const std::string archive = Resource(MAKEINTRESOURCEA(10), "F1", kChinesePrc);
    ASSERT_FALSE(archive.empty());
    EXPECT_EQ(archive.substr(0, 6), std::string("7z\xBC\xAF\x27\x1C", 6));
    EXPECT_EQ(archive, ReadBytes(HostPath(LARKVIEW_PAYLOAD_PATH)));
    // Resource names are case-insensitive: the lookup by "F7z" finds F7Z.
    EXPECT_EQ(Resource(MAKEINTRESOURCEA(10), "F7z", kChinesePrc), ReadBytes(HostPath(LARKVIEW_7Z_DLL_PATH)));
}

TEST_F(WizardIdentity, HasAnIconAndNoManifest)
{
    ASSERT_TRUE(module_);
    EXPECT_NE(FindResourceA(module_.get(), "MAINICON", MAKEINTRESOURCEA(14)), nullptr); // RT_GROUP_ICON
    for (int id = 1; id <= 3; ++id)
        EXPECT_EQ(FindResourceA(module_.get(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(24)), nullptr); // RT_MANIFEST
}

TEST_F(WizardIdentity, VersionRecordIs1003InChinesePrc)
{
    std::vector<char> record = VersionRecord();
    ASSERT_FALSE(record.empty());

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(3, 0));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(3, 0));

    WORD *translation = nullptr;
    ASSERT_TRUE(VerQueryValueA(record.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation),
                               &length));
    EXPECT_EQ(translation[0], kChinesePrc);

    EXPECT_EQ(VersionString(record, "CompanyName"), "云雀视界安装程序");
    EXPECT_EQ(VersionString(record, "FileDescription"), "larkview.example");
    EXPECT_EQ(VersionString(record, "FileVersion"), "1.0.0.3");
    EXPECT_EQ(VersionString(record, "ProductVersion"), "1.0.0.3");
}
