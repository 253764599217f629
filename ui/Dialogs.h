#pragma once
// The plain message dialog of the pages.
#include <string>

namespace ui {

// A modal message over the whole wizard: the text, the application title as
// caption, no icon and one OK button.
void ShowMessage(const std::string &text);

} // namespace ui
