#include "ui/Dialogs.h"

#include "ui/Application.h"

namespace ui {

void ShowMessage(const std::string &text)
{
    Application->MessageBox(text, Application->Title(), MB_OK);
}

} // namespace ui
