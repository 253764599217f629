#include "install/PathText.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

// Code page 936 characters whose second byte is 0x5C, the value of a backslash.
const std::string kCheng = "\xD5\x5C"; // 誠
const std::string kCheng2 = "\x81\x5C"; // 乗

const LeadBytes &Cp936()
{
    static const LeadBytes lead(936);
    return lead;
}

const LeadBytes &Cp1252()
{
    static const LeadBytes lead(1252);
    return lead;
}

std::wstring Wide(const std::string &text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size())));
    return wide;
}

std::string Narrow(const std::wstring &wide)
{
    std::string text(wide.size() * 2, '\0');
    text.resize(WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(),
                                    static_cast<int>(text.size()), nullptr, nullptr));
    return text;
}

} // namespace

TEST(LeadBytes, SystemCodePageIs936WithLeadBytes81ToFE)
{
    for (unsigned byte = 0; byte < 256; ++byte) {
        const bool lead = byte >= 0x81 && byte <= 0xFE;
        EXPECT_EQ(LeadBytes::System().contains(static_cast<unsigned char>(byte)), lead) << byte;
        EXPECT_EQ(Cp936().contains(static_cast<unsigned char>(byte)), lead) << byte;
        EXPECT_FALSE(Cp1252().contains(static_cast<unsigned char>(byte))) << byte;
    }
}

TEST(PathText, TheCharactersUsedHereEndInByte5C)
{
    EXPECT_EQ(Wide("誠乗"), L"\u8AA0\u4E57");
    EXPECT_EQ("誠乗", kCheng + kCheng2);
}

TEST(IncludeTrailingBackslash, AppendsOnlyWhenTheLastCharacterIsNotABackslash)
{
    EXPECT_EQ(IncludeTrailingBackslash("", Cp936()), "\\");
    EXPECT_EQ(IncludeTrailingBackslash("\\", Cp936()), "\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:", Cp936()), "C:\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\", Cp936()), "C:\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\Apps", Cp936()), "C:\\Apps\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\Apps\\", Cp936()), "C:\\Apps\\");
    EXPECT_EQ(IncludeTrailingBackslash("D:\\云雀视界", Cp936()), "D:\\云雀视界\\");
}

TEST(IncludeTrailingBackslash, ATrailByte5CIsNoBackslash)
{
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kCheng, Cp936()), "C:\\" + kCheng + "\\");
    EXPECT_EQ(IncludeTrailingBackslash(kCheng, Cp936()), kCheng + "\\");
    EXPECT_EQ(IncludeTrailingBackslash(kCheng2 + kCheng, Cp936()), kCheng2 + kCheng + "\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kCheng + "\\", Cp936()), "C:\\" + kCheng + "\\");
    // Without double-byte characters the same bytes do end in a backslash.
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kCheng, Cp1252()), "C:\\" + kCheng);
}

TEST(IncludeTrailingBackslash, PairsAreCountedFromTheStart)
{
    // D5 D5 5C: the first D5 pairs with the second, so 5C stands alone.
    EXPECT_EQ(IncludeTrailingBackslash("\xD5\xD5\x5C", Cp936()), "\xD5\xD5\x5C");
    // A lead byte with no partner stands alone and is no backslash.
    EXPECT_EQ(IncludeTrailingBackslash("C:\\\xD5", Cp936()), "C:\\\xD5\\");
    // An ASCII letter can be a second byte too: B1 41 is one character.
    EXPECT_EQ(IncludeTrailingBackslash("\xB1\x41\\", Cp936()), "\xB1\x41\\");
}

TEST(IncludeTrailingBackslash, EveryLeadByteFollowedBy5CIsOneCharacter)
{
    for (unsigned byte = 0x81; byte <= 0xFE; ++byte) {
        const std::string text = std::string("x") + static_cast<char>(byte) + "\\";
        EXPECT_EQ(IncludeTrailingBackslash(text, Cp936()), text + "\\") << byte;
        EXPECT_EQ(IncludeTrailingBackslash(text, Cp1252()), text) << byte;
    }
}

TEST(IncludeTrailingBackslash, UsesTheSystemCodePageByDefault)
{
    EXPECT_EQ(IncludeTrailingBackslash("C:\\" + kCheng), "C:\\" + kCheng + "\\");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\Apps"), "C:\\Apps\\");
}

TEST(ExcludeTrailingBackslash, DropsOneRealTrailingBackslash)
{
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\Apps\\", Cp936()), "C:\\Apps");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\Apps\\\\", Cp936()), "C:\\Apps\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\Apps", Cp936()), "C:\\Apps");
    EXPECT_EQ(ExcludeTrailingBackslash("", Cp936()), "");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\" + kCheng, Cp936()), "C:\\" + kCheng);
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\" + kCheng + "\\", Cp936()), "C:\\" + kCheng);
}

TEST(FileNamePart, IsTheTextAfterTheLastBackslashOrColon)
{
    EXPECT_EQ(FileNamePart("C:\\Program Files\\Larkview\\skyvu.exe", Cp936()), "skyvu.exe");
    EXPECT_EQ(FileNamePart("C:skyvu.exe", Cp936()), "skyvu.exe");
    EXPECT_EQ(FileNamePart("skyvu.exe", Cp936()), "skyvu.exe");
    EXPECT_EQ(FileNamePart("C:\\Larkview\\", Cp936()), "");
    EXPECT_EQ(FileNamePart("", Cp936()), "");
    EXPECT_EQ(FileNamePart("C:\\a:b\\c:d.exe", Cp936()), "d.exe");
}

TEST(FileNamePart, ATrailByte5CIsNoSeparator)
{
    EXPECT_EQ(FileNamePart("C:\\Apps\\" + kCheng + ".exe", Cp936()), kCheng + ".exe");
    EXPECT_EQ(FileNamePart("C:\\" + kCheng2 + kCheng, Cp936()), kCheng2 + kCheng);
    EXPECT_EQ(FileNamePart("C:\\" + kCheng + "\\" + kCheng2 + ".exe", Cp936()), kCheng2 + ".exe");
    EXPECT_EQ(FileNamePart("C:\\Apps\\" + kCheng + ".exe", Cp1252()), ".exe");
}

TEST(FolderPart, IsTheTextUpToAndIncludingTheLastBackslash)
{
    EXPECT_EQ(FolderPart("C:\\Program Files\\Larkview\\skyvu.exe", Cp936()), "C:\\Program Files\\Larkview\\");
    EXPECT_EQ(FolderPart("C:\\Larkview\\", Cp936()), "C:\\Larkview\\");
    EXPECT_EQ(FolderPart("skyvu.exe", Cp936()), "");
    EXPECT_EQ(FolderPart("C:skyvu.exe", Cp936()), "");
    EXPECT_EQ(FolderPart("", Cp936()), "");
}

TEST(FolderPart, ATrailByte5CIsNoSeparator)
{
    EXPECT_EQ(FolderPart("C:\\" + kCheng + "\\skyvu.exe", Cp936()), "C:\\" + kCheng + "\\");
    EXPECT_EQ(FolderPart("C:\\Apps\\" + kCheng + "skyvu.exe", Cp936()), "C:\\Apps\\");
    EXPECT_EQ(FolderPart("C:\\Apps\\" + kCheng + "skyvu.exe", Cp1252()), "C:\\Apps\\\xD5\\");
}

TEST(DoubleBackslashes, DoublesEveryRealBackslash)
{
    EXPECT_EQ(DoubleBackslashes("C:\\Program Files\\Larkview\\skyvu.exe", Cp936()),
              "C:\\\\Program Files\\\\Larkview\\\\skyvu.exe");
    EXPECT_EQ(DoubleBackslashes("\\\\server\\share\\", Cp936()), "\\\\\\\\server\\\\share\\\\");
    EXPECT_EQ(DoubleBackslashes("skyvu.exe", Cp936()), "skyvu.exe");
    EXPECT_EQ(DoubleBackslashes("", Cp936()), "");
}

TEST(DoubleBackslashes, KeepsTrailBytes5CSingle)
{
    EXPECT_EQ(DoubleBackslashes("C:\\" + kCheng + "\\" + kCheng2 + "\\x.exe", Cp936()),
              "C:\\\\" + kCheng + "\\\\" + kCheng2 + "\\\\x.exe");
    EXPECT_EQ(DoubleBackslashes(kCheng, Cp1252()), "\xD5\\\\");
}

// The same doubling done on UTF-16 text, where no byte can be mistaken,
// agrees for every character of the form <lead byte> 5C.
TEST(DoubleBackslashes, AgreesWithWideTextForEveryLeadByte)
{
    for (unsigned byte = 0x81; byte <= 0xFE; ++byte) {
        const std::string path = std::string("C:\\a") + static_cast<char>(byte) + "\\\\b\\";
        std::wstring doubled;
        for (wchar_t c : Wide(path)) {
            doubled += c;
            if (c == L'\\')
                doubled += c;
        }
        EXPECT_EQ(DoubleBackslashes(path, Cp936()), Narrow(doubled)) << byte;
    }
}
