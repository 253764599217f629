#include "pages/ExtractPayload.h"

#include "sevenzip/SevenZip.h"
#include "win/FileSystem.h"
#include "win/PathText.h"

#include <atomic>

namespace {

const wchar_t kPayloadPassword[] = L"wqbirex$$";
const char kLibraryFile[] = "7z.dll";

std::atomic<ExtractProgressBar *> currentBar{nullptr};

} // namespace

void SetExtractProgressBar(ExtractProgressBar *bar)
{
    currentBar = bar;
}

std::string ProgressLine(bool isTotal, int64_t value)
{
    return std::string(isTotal ? "-1" : "0") + " ->" + std::to_string(value);
}

HRESULT ProgressCallback(void *, bool isTotal, int64_t value)
{
    OutputDebugStringA(ProgressLine(isTotal, value).c_str());
    if (ExtractProgressBar *bar = currentBar) {
        const auto low = static_cast<int>(static_cast<uint32_t>(value));
        if (isTotal)
            bar->SetMax(low);
        else
            bar->SetPosition(low);
    }
    return S_OK;
}

bool ExtractPayload(const std::string &archivePath, const std::string &destFolder)
{
    if (!win::FileExists(archivePath))
        return false;
    const std::string folder = IncludeTrailingBackslash(destFolder);
    // The reference goes when this function ends, also by an error: that
    // closes the archive and unloads the library.
    const auto archive = sevenzip::CreateInArchive(sevenzip::CLSID_Format7z, folder + kLibraryFile);
    archive->SetPassword(kPayloadPassword);
    archive->SetProgressCallback(nullptr, ProgressCallback);
    archive->OpenFile(archivePath);
    archive->GetNumberOfItems();
    if (!win::ForceDirectories(win::AnsiToWide(folder)))
        return false;
    archive->ExtractTo(folder);
    return true;
}
