#pragma once
// The folder chooser: the shell's folder browse dialog, modal over the whole
// wizard.
#include <windows.h>

#include <string>

// Shows the dialog titled `title`, rooted at `root` (the whole shell
// namespace when empty) and opened on `folder` when that names an existing
// directory. True when the user confirmed a folder: `folder` then holds its
// path as the shell gives it (no trailing backslash except for a drive root).
// False when the dialog was cancelled, cannot be shown or the confirmed item
// has no path: `folder` is then left as it was if it named an existing
// directory, and empty otherwise.
bool ChooseFolder(const std::string &title, const std::wstring &root, std::string &folder);

// The dialog's callback: on BFFM_INITIALIZED it selects the starting folder
// whose text `data` points to (none when 0). Always 0.
int CALLBACK ChooseFolderCallback(HWND window, UINT message, LPARAM parameter, LPARAM data);
