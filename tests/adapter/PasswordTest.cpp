#include "AdapterTestSupport.h"

#include <gtest/gtest.h>

using namespace adapter_test;
using namespace testing_support;

namespace {

struct PasswordSource {
    std::wstring password;
    HRESULT answer = S_OK;
    int calls = 0;
};

HRESULT SupplyPassword(void *sender, std::wstring &password)
{
    auto *source = static_cast<PasswordSource *>(sender);
    ++source->calls;
    password = source->password;
    return source->answer;
}

// What the archive object answers when the library asks it for the password.
std::pair<HRESULT, std::wstring> AskPassword(sevenzip::I7zInArchive &archive)
{
    win::ComPtr<sevenzip::ICryptoGetTextPassword> asked;
    EXPECT_EQ(archive.QueryInterface(sevenzip::IID_ICryptoGetTextPassword, reinterpret_cast<void **>(asked.put())),
              S_OK);
    BSTR password = nullptr;
    const HRESULT result = asked->CryptoGetTextPassword(&password);
    std::wstring text = password ? std::wstring(password, SysStringLen(password)) : L"(none)";
    SysFreeString(password);
    return {result, text};
}

win::ComPtr<sevenzip::I7zInArchive> NewArchive()
{
    return sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, LibraryPath());
}

} // namespace

TEST(Password, AnEmptyOrMissingPasswordAnswersTheRequestWithOne)
{
    auto archive = NewArchive();
    EXPECT_EQ(AskPassword(*archive), std::make_pair(S_FALSE, std::wstring(L"(none)")));
    archive->SetPassword(L"s3cret");
    EXPECT_EQ(AskPassword(*archive), std::make_pair(S_OK, std::wstring(L"s3cret")));
    archive->SetPassword(L"");
    EXPECT_EQ(AskPassword(*archive), std::make_pair(S_FALSE, std::wstring(L"(none)")));
}

TEST(Password, ACallbackThatRefusesPassesItsAnswerOnAndSuppliesNothing)
{
    auto archive = NewArchive();
    PasswordSource source{L"ignored", E_ABORT};
    archive->SetPasswordCallback(&source, SupplyPassword);
    EXPECT_EQ(AskPassword(*archive), std::make_pair(E_ABORT, std::wstring(L"(none)")));
    EXPECT_EQ(AskPassword(*archive).first, E_ABORT) << "a refusal is not stored";
    EXPECT_EQ(source.calls, 2);
}

// Extraction asks once; the supplied password is stored and answers later
// requests without the callback.
TEST(Password, TheCallbackSuppliesThePasswordAndItIsStored)
{
    TempFolder folder;
    auto archive = NewArchive();
    PasswordSource source{L"s3cret"};
    archive->SetPasswordCallback(&source, SupplyPassword);
    archive->OpenFile(DataPath("secret.7z"));
    archive->ExtractTo(folder.path());

    EXPECT_EQ(ReadBytes(folder.path() + "alpha.txt"), ReadBytes(DataPath("secret\\alpha.txt")));
    EXPECT_EQ(ReadBytes(folder.path() + "beta.bin"), ReadBytes(DataPath("secret\\beta.bin")));
    EXPECT_EQ(source.calls, 1);
    EXPECT_EQ(AskPassword(*archive), std::make_pair(S_OK, std::wstring(L"s3cret")));
    EXPECT_EQ(source.calls, 1);
}

TEST(Password, AWrongPasswordRaisesAnErrorNamingAnItemAndLeavesNoFileWithItsData)
{
    TempFolder folder;
    auto archive = NewArchive();
    archive->SetPassword(L"wrong");
    archive->OpenFile(DataPath("secret.7z"));
    try {
        archive->ExtractTo(folder.path());
        ADD_FAILURE() << "nothing raised";
    } catch (const std::runtime_error &error) {
        const std::string text = error.what();
        EXPECT_TRUE(text == "Cannot extract alpha.txt: Data error in encrypted file (wrong password?)" ||
                    text == "Cannot extract beta.bin: Data error in encrypted file (wrong password?)")
            << text;
    }
    for (const char *name : {"alpha.txt", "beta.bin"}) {
        if (FileExists(folder.path() + name)) {
            EXPECT_NE(ReadBytes(folder.path() + name), ReadBytes(DataPath(std::string("secret\\") + name))) << name;
        }
    }
}

// With an encrypted header the password is needed to open at all.
TEST(Password, AfterCloseANewOpenNeedsThePasswordAgain)
{
    auto archive = NewArchive();
    archive->SetPassword(L"s3cret");
    archive->OpenFile(DataPath("secret-header.7z"));
    EXPECT_EQ(archive->GetNumberOfItems(), 2u);
    archive->Close();
    EXPECT_EQ(AskPassword(*archive).first, S_FALSE);
    EXPECT_THROW(archive->OpenFile(DataPath("secret-header.7z")), std::runtime_error);

    PasswordSource source{L"s3cret"};
    archive->SetPasswordCallback(&source, SupplyPassword);
    archive->OpenFile(DataPath("secret-header.7z"));
    EXPECT_EQ(archive->GetNumberOfItems(), 2u);
    EXPECT_EQ(source.calls, 1);
}
