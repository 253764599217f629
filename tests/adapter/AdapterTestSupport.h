#pragma once
// Shared pieces of the adapter tests: the paths of the build-time archives
// and the library, and a listing of what an extraction wrote.
#include "sevenzip/SevenZip.h"
#include "tests/support/TestFiles.h"

#include <set>
#include <string>

namespace adapter_test {

// A file made by make-archives.sh, as a Windows path.
std::string DataPath(const std::string &name);
std::string LibraryPath();

// A new archive object on the real library, with the archive opened.
win::ComPtr<sevenzip::I7zInArchive> OpenArchive(const std::string &dataName);

// Every file and folder below folder (which ends with a backslash), relative
// to it; folders end with a backslash.
std::set<std::string> ListTree(const std::string &folder);

bool ModuleIsLoaded(const std::string &path);

} // namespace adapter_test
