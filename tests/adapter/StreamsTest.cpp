#include "AdapterTestSupport.h"

#include "sevenzip/T7zStream.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

using namespace adapter_test;
using namespace testing_support;

namespace {

struct ItemInfo {
    std::wstring name;
    int32_t size;
    bool isFolder;
    bool operator==(const ItemInfo &) const = default;
};

std::map<std::wstring, uint32_t> IndexByPath(sevenzip::I7zInArchive &archive)
{
    std::map<std::wstring, uint32_t> indices;
    for (uint32_t i = 0; i < archive.GetNumberOfItems(); ++i)
        indices[archive.GetItemPath(i)] = i;
    return indices;
}

std::string Text(const sevenzip::TMemoryDataStream &stream)
{
    return {stream.Bytes().begin(), stream.Bytes().end()};
}

// Memory streams per item; the library may ask for them on its own thread,
// one at a time.
struct StreamSupply {
    std::map<uint32_t, std::unique_ptr<sevenzip::TMemoryDataStream>> streams;
    std::set<uint32_t> folders;
};

HRESULT SupplyStream(void *sender, uint32_t index, sevenzip::ISequentialOutStream **stream)
{
    auto *supply = static_cast<StreamSupply *>(sender);
    if (supply->folders.count(index))
        return S_OK;
    auto &memory = supply->streams[index];
    memory = std::make_unique<sevenzip::TMemoryDataStream>();
    *stream = win::ComPtr<sevenzip::ISequentialOutStream>(new sevenzip::T7zStream(*memory)).detach();
    return S_OK;
}

} // namespace

TEST(ItemQueries, GiveThePathNameSizeAndFolderMarkOfEachItem)
{
    auto archive = OpenArchive("tree.7z");
    std::map<std::wstring, ItemInfo> items;
    for (uint32_t i = 0; i < archive->GetNumberOfItems(); ++i)
        items[archive->GetItemPath(i)] = {archive->GetItemName(i), archive->GetItemSize(i), archive->ItemIsFolder(i)};

    // The 7z handler supplies no name property (4): it reads as empty text.
    const std::map<std::wstring, ItemInfo> expected = {
        {L"emptyfolder", {L"", 0, true}},
        {L"sub", {L"", 0, true}},
        {L"sub\\deeper", {L"", 0, true}},
        {L"sub\\deeper\\empty.dat", {L"", 0, false}},
        {L"sub\\deeper\\leaf.txt", {L"", 1800, false}},
        {L"sub\\inner.bin", {L"", 200000, false}},
        {L"big.bin", {L"", 3000000, false}},
        {L"top.txt", {L"", 52890, false}},
        {L"\u4e2d\u6587\u540d.txt", {L"", 1150, false}},
    };
    EXPECT_EQ(items, expected);
}

TEST(ExtractItem, WritesOneItemIntoTheCallersStream)
{
    auto archive = OpenArchive("tree.7z");
    const auto indices = IndexByPath(*archive);
    sevenzip::TMemoryDataStream stream;
    archive->ExtractItem(indices.at(L"sub\\inner.bin"), stream, false);
    EXPECT_EQ(Text(stream), ReadBytes(DataPath("tree\\sub\\inner.bin")));

    sevenzip::TMemoryDataStream tested;
    archive->ExtractItem(indices.at(L"top.txt"), tested, true);
    EXPECT_TRUE(tested.Bytes().empty()) << "a test writes nothing";
}

TEST(ExtractItems, WritesTheListedItemsIntoStreamsOfTheCallback)
{
    auto archive = OpenArchive("tree.7z");
    const auto indices = IndexByPath(*archive);
    const uint32_t wanted[] = {indices.at(L"top.txt"), indices.at(L"sub\\deeper\\leaf.txt")};
    StreamSupply supply;
    archive->ExtractItems(wanted, 2, false, &supply, SupplyStream);

    ASSERT_EQ(supply.streams.size(), 2u);
    EXPECT_EQ(Text(*supply.streams.at(wanted[0])), ReadBytes(DataPath("tree\\top.txt")));
    EXPECT_EQ(Text(*supply.streams.at(wanted[1])), ReadBytes(DataPath("tree\\sub\\deeper\\leaf.txt")));
}

TEST(ExtractAll, WritesEveryFileIntoStreamsOfTheCallback)
{
    auto archive = OpenArchive("tree.7z");
    StreamSupply supply;
    const auto indices = IndexByPath(*archive);
    for (const auto &[path, index] : indices)
        if (archive->ItemIsFolder(index))
            supply.folders.insert(index);
    archive->ExtractAll(false, &supply, SupplyStream);

    ASSERT_EQ(supply.streams.size(), 6u);
    for (const auto &[path, index] : indices) {
        if (supply.folders.count(index))
            continue;
        char source[MAX_PATH] = "tree\\";
        WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, source + 5, MAX_PATH - 5, nullptr, nullptr);
        EXPECT_EQ(Text(*supply.streams.at(index)), ReadBytes(DataPath(source))) << source;
    }
}

// The caller's stream is read through the library's stream interfaces.
TEST(OpenStream, OpensAnArchiveHeldInTheCallersStream)
{
    sevenzip::TMemoryDataStream source;
    const std::string bytes = ReadBytes(DataPath("tree.7z"));
    source.Write(bytes.data(), static_cast<uint32_t>(bytes.size()));
    source.Seek(0, sevenzip::kFromBeginning); // the library reads from the current position
    const win::ComPtr<sevenzip::IInStream> stream(new sevenzip::T7zStream(source));

    auto archive = sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, LibraryPath());
    archive->OpenStream(stream.get());
    const auto indices = IndexByPath(*archive);
    EXPECT_EQ(indices.size(), 9u);
    sevenzip::TMemoryDataStream item;
    archive->ExtractItem(indices.at(L"big.bin"), item, false);
    EXPECT_EQ(Text(item), ReadBytes(DataPath("tree\\big.bin")));
}
