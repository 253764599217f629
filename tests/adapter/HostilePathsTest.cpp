#include "AdapterTestSupport.h"

#include "sevenzip/ItemPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace adapter_test;
using namespace testing_support;

namespace {

uint32_t Crc32(const std::string &bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

std::string LittleEndian(uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i));
    return out;
}

// The 7z format's variable-length number: as many leading one bits in the
// first byte as bytes follow.
std::string Number(uint64_t value)
{
    for (int extra = 0; extra < 8; ++extra)
        if (value < (uint64_t{1} << (7 * (extra + 1))))
            return std::string(1, static_cast<char>((0xFF00 >> extra) | (value >> (8 * extra)))) +
                   LittleEndian(value, extra);
    return std::string("\xFF") + LittleEndian(value, 8);
}

struct Item {
    std::wstring storedName; // as the archive stores it, "/" between parts
    std::string content;     // not empty
};

// A 7z archive that stores the items as they are (the Copy method, one block,
// no checksums), with names no archiver would write.
std::string ArchiveWithNames(const std::vector<Item> &items)
{
    std::string packed, sizes, names;
    for (size_t i = 0; i < items.size(); ++i) {
        packed += items[i].content;
        if (i + 1 < items.size())
            sizes += Number(items[i].content.size());
        for (wchar_t c : items[i].storedName + L'\0')
            names += LittleEndian(c, 2);
    }
    const std::string end(1, '\0');
    std::string header("\x01\x04");                                                   // Header, MainStreamsInfo
    header += std::string("\x06") + Number(0) + Number(1) + "\x09" + Number(packed.size()) + end; // PackInfo
    header += std::string("\x07\x0B") + Number(1) + end + Number(1) + "\x01" + end;  // one folder: Copy
    header += std::string("\x0C") + Number(packed.size()) + end;                     // its unpacked size
    header += std::string("\x08\x0D") + Number(items.size()) + "\x09" + sizes + end; // SubStreamsInfo
    header += end;                                                                     // end of MainStreamsInfo
    header += std::string("\x05") + Number(items.size());                             // FilesInfo
    header += std::string("\x11") + Number(names.size() + 1) + end + names;           // names
    header += end + end;                                                               // end of FilesInfo, Header

    const std::string next = LittleEndian(packed.size(), 8) + LittleEndian(header.size(), 8) +
                             LittleEndian(Crc32(header), 4);
    return std::string("7z\xBC\xAF\x27\x1C\x00\x04", 8) + LittleEndian(Crc32(next), 4) + next + packed + header;
}

std::wstring Wide(const std::string &text)
{
    std::wstring wide;
    for (char c : text)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
    return wide;
}

std::wstring Slashes(std::wstring path)
{
    for (wchar_t &c : path)
        if (c == L'\\')
            c = L'/';
    return path;
}

} // namespace

TEST(IsSafeItemPath, AcceptsPlainRelativePaths)
{
    for (const wchar_t *path : {L"a.txt", L"sub\\a.txt", L"sub/deeper/a.txt", L"..a", L"a..", L"a..\\b", L".hidden",
                                L"CONSOLE.txt", L"NULL", L"COM10", L"LPT0.log", L"aux1\\x", L"中文\\名.txt"})
        EXPECT_TRUE(sevenzip::IsSafeItemPath(path)) << path;
}

TEST(IsSafeItemPath, RefusesPathsThatLeaveTheFolderOrNameADevice)
{
    for (const wchar_t *path :
         {L"", L"..", L"..\\a", L"../a", L"sub\\..\\..\\a", L"sub\\..", L".", L".\\", L"a\\.\\b", L"... \\a", L".. \\a",
          L"\\a", L"/a", L"\\\\server\\share\\a", L"\\\\?\\C:\\a", L"C:a", L"C:\\a", L"a.txt:stream", L"a.txt::$DATA",
          L"sub\\\\a", L"sub\\", L"NUL", L"nul.txt", L"sub\\CON", L"Aux.tar.gz", L"PRN ", L"com1", L"LPT9.txt",
          L"COM\u00B9", L"CONIN$", L"CONOUT$.x", L"a\tb"})
        EXPECT_FALSE(sevenzip::IsSafeItemPath(path)) << path;
    EXPECT_FALSE(sevenzip::IsSafeItemPath(std::wstring(L"good\0\\..\\..\\x", 13)));
}

// Hostile names are refused one by one: nothing lands outside the folder,
// nothing is made of them inside, and the items after them are extracted.
TEST(ExtractTo, RefusesItemPathsThatWouldLeaveTheFolder)
{
    TempFolder root;
    const std::string destination = root.path() + "dest\\";
    const std::string outside = root.path();
    char currentFolder[MAX_PATH];
    GetCurrentDirectoryA(sizeof currentFolder, currentFolder);
    SetCurrentDirectoryA(outside.c_str()); // so that a rooted or drive-relative name would land in root

    const std::wstring rootedOutside = Slashes(Wide(outside.substr(2)));
    const std::vector<Item> items = {
        {L"../parent.txt", "up one"},
        {L"sub/../../nested.txt", "up through a folder"},
        {rootedOutside + L"rooted.txt", "rooted"},
        {Slashes(Wide(outside)) + L"absolute.txt", "absolute"},
        {Wide(outside.substr(0, 2)) + L"driverelative.txt", "drive relative"},
        {L"good.txt", "good"},
        {L"good.txt:stream", "alternate stream"},
        {L"sub/NUL.txt", "device"},
        {L"... /dots.txt", "dots"},
        {L"later/fine.txt", "after the hostile ones"},
    };
    WriteBytes(root.path() + "hostile.7z", ArchiveWithNames(items));

    auto archive = sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, LibraryPath());
    archive->OpenFile(root.path() + "hostile.7z");
    ASSERT_EQ(archive->GetNumberOfItems(), items.size());
    EXPECT_EQ(archive->GetItemPath(0), L"..\\parent.txt") << "the library hands the name on unchanged";
    archive->ExtractTo(destination);
    archive.reset();
    SetCurrentDirectoryA(currentFolder);

    EXPECT_EQ(ListTree(destination), (std::set<std::string>{"good.txt", "later\\", "later\\fine.txt"}));
    EXPECT_EQ(ReadBytes(destination + "good.txt"), "good");
    EXPECT_EQ(ReadBytes(destination + "later\\fine.txt"), "after the hostile ones");
    EXPECT_EQ(ListTree(outside), (std::set<std::string>{"dest\\", "dest\\good.txt", "dest\\later\\",
                                                        "dest\\later\\fine.txt", "hostile.7z"}));
}
