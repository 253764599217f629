#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

// The bar that follows the extraction. The progress page implements it for
// its ProgressBar1 and makes itself the current bar; progress reports reach
// it without a sender.
class ExtractProgressBar {
public:
    virtual ~ExtractProgressBar() = default;
    virtual void SetMax(int max) = 0;
    virtual void SetPosition(int position) = 0;
};

// Makes bar the one that progress reports move (null: none). Not owned.
void SetExtractProgressBar(ExtractProgressBar *bar);

// Makes bar the current one for the length of a scope.
class ScopedExtractProgressBar {
public:
    explicit ScopedExtractProgressBar(ExtractProgressBar &bar) { SetExtractProgressBar(&bar); }
    ScopedExtractProgressBar(const ScopedExtractProgressBar &) = delete;
    ScopedExtractProgressBar &operator=(const ScopedExtractProgressBar &) = delete;
    ~ScopedExtractProgressBar() { SetExtractProgressBar(nullptr); }
};

// The debug-output line of one progress report: "-1 ->" for the total,
// "0 ->" for the amount done, then the value.
std::string ProgressLine(bool isTotal, int64_t value);

// The progress handler given to the archive adapter: writes the debug-output
// line, sets the bar's maximum (total) or position (amount done), and lets
// the extraction go on. The values are exact while the total fits a signed
// 32-bit range; a larger total scales the maximum and every later position
// down alike by a power of two.
HRESULT ProgressCallback(void *sender, bool isTotal, int64_t value);

// Extracts the payload archive into destFolder with the 7-Zip library found
// there (destFolder + "7z.dll"). False when the archive is missing or the
// folder cannot be created; true when extraction ran to its end. Errors of
// the adapter pass on to the caller.
bool ExtractPayload(const std::string &archivePath, const std::string &destFolder);
