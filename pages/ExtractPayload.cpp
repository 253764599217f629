#include "pages/ExtractPayload.h"

#include "sevenzip/SevenZip.h"
#include "win/FileSystem.h"
#include "win/PathText.h"

#include <atomic>
#include <climits>

namespace {

const wchar_t kPayloadPassword[] = L"wqbirex$$";
const char kLibraryFile[] = "7z.dll";

std::atomic<ExtractProgressBar *> currentBar{nullptr};
// How far the bar's values are shifted right: 0 while the total fits the
// bar's signed 32-bit range, so values are exact below 2 GiB.
std::atomic<unsigned> barShift{0};

unsigned ShiftToFit(int64_t total)
{
    unsigned shift = 0;
    while ((total >> shift) > INT32_MAX)
        ++shift;
    return shift;
}

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
    if (isTotal)
        barShift = ShiftToFit(value);
    if (ExtractProgressBar *bar = currentBar) {
        const auto scaled = static_cast<int>(value >> barShift);
        if (isTotal)
            bar->SetMax(scaled);
        else
            bar->SetPosition(scaled);
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
