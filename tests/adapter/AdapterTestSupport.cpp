#include "AdapterTestSupport.h"

namespace adapter_test {

namespace {

void AddTree(const std::string &root, const std::string &relative, std::set<std::string> &entries)
{
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((root + relative + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            entries.insert(relative + name + "\\");
            AddTree(root, relative + name + "\\", entries);
        } else {
            entries.insert(relative + name);
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
}

} // namespace

std::string DataPath(const std::string &name)
{
    return testing_support::HostPath(std::string(ADAPTER_DATA) + "/" + name);
}

std::string LibraryPath()
{
    return testing_support::HostPath(LARKVIEW_7Z_DLL_PATH);
}

win::ComPtr<sevenzip::I7zInArchive> OpenArchive(const std::string &dataName)
{
    auto archive = sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, LibraryPath());
    archive->OpenFile(DataPath(dataName));
    return archive;
}

std::set<std::string> ListTree(const std::string &folder)
{
    std::set<std::string> entries;
    AddTree(folder, "", entries);
    return entries;
}

bool ModuleIsLoaded(const std::string &path)
{
    return GetModuleHandleA(path.c_str()) != nullptr;
}

} // namespace adapter_test
