#pragma once
#include <string>

// The file version of a program from its version resource (not the product
// version), as four decimal numbers joined by dots, e.g. "2.1.0.35". Raises
// std::runtime_error when the version information cannot be read. The
// version functions are bound at run time from the system folder.
std::string GetFileVersionText(const std::string &path);
