#pragma once
#include <string>

// Writes the payload archive (resource F1) and the 7-Zip library (resource
// F7z) of this executable into the install folder, as Larkview.7z and 7z.dll,
// replacing files of those names. Any failure ends the step quietly: a
// missing archive is reported later by the install sequence.
// installDir ends with a backslash.
void UnpackPayload(const std::string &installDir);
