#include "pages/ChooseFolder.h"

#include "ui/Application.h"
#include "win/ComPtr.h"
#include "win/FileSystem.h"

#include <shlobj.h>

#include <memory>
#include <vector>

namespace {

// A block of the shell's task allocator, given back through it.
struct ShellFree {
    IMalloc *allocator;
    void operator()(void *block) const { allocator->Free(block); }
};
template <typename T> using ShellBlock = std::unique_ptr<T, ShellFree>;

// While the dialog is open the wizard's pages take no input: every visible,
// enabled top-level window of the thread is disabled, and enabled again
// afterwards if it still exists.
class ThreadWindowsDisabled {
public:
    ThreadWindowsDisabled()
    {
        EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&windows_));
        for (HWND window : windows_)
            EnableWindow(window, FALSE);
    }
    ThreadWindowsDisabled(const ThreadWindowsDisabled &) = delete;
    ThreadWindowsDisabled &operator=(const ThreadWindowsDisabled &) = delete;
    ~ThreadWindowsDisabled()
    {
        for (HWND window : windows_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }

private:
    static BOOL CALLBACK Collect(HWND window, LPARAM list)
    {
        try {
            if (IsWindowVisible(window) && IsWindowEnabled(window))
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
            return TRUE;
        } catch (...) {
            return FALSE; // out of memory: the windows found so far are enough
        }
    }

    std::vector<HWND> windows_;
};

// Browsing an empty drive raises no critical-error box while this lives.
class CriticalErrorsFailQuietly {
public:
    CriticalErrorsFailQuietly() : saved_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    CriticalErrorsFailQuietly(const CriticalErrorsFailQuietly &) = delete;
    CriticalErrorsFailQuietly &operator=(const CriticalErrorsFailQuietly &) = delete;
    ~CriticalErrorsFailQuietly() { SetErrorMode(saved_); }

private:
    UINT saved_;
};

// The item-id list of the root text; none when the shell cannot parse it.
ShellBlock<ITEMIDLIST> ParseRoot(IMalloc &allocator, const std::wstring &root)
{
    ShellBlock<ITEMIDLIST> list(nullptr, ShellFree{&allocator});
    win::ComPtr<IShellFolder> desktop;
    if (root.empty() || FAILED(SHGetDesktopFolder(reinterpret_cast<IShellFolder **>(desktop.put()))) || !desktop)
        return list;
    std::wstring text = root; // ParseDisplayName takes a writable text
    ITEMIDLIST *parsed = nullptr;
    if (SUCCEEDED(desktop->ParseDisplayName(ui::Application->Handle(), nullptr, text.data(), nullptr, &parsed,
                                            nullptr)))
        list.reset(parsed);
    return list;
}

} // namespace

bool ChooseFolder(const std::string &title, const std::wstring &root, std::string &folder)
{
    if (!win::FolderExists(folder))
        folder.clear();
    win::ComPtr<IMalloc> allocator;
    if (FAILED(SHGetMalloc(reinterpret_cast<IMalloc **>(allocator.put()))) || !allocator)
        return false;
    const ShellBlock<char> buffer(static_cast<char *>(allocator->Alloc(MAX_PATH)), ShellFree{allocator.get()});
    if (!buffer)
        return false;
    buffer.get()[0] = '\0';
    const ShellBlock<ITEMIDLIST> rootList = ParseRoot(*allocator.get(), root);

    BROWSEINFOA info{};
    info.hwndOwner = ui::Application->Handle();
    info.pidlRoot = rootList.get();
    info.pszDisplayName = buffer.get();
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!folder.empty()) {
        info.lpfn = &ChooseFolderCallback;
        info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    }

    ShellBlock<ITEMIDLIST> chosen(nullptr, ShellFree{allocator.get()});
    {
        const ThreadWindowsDisabled disabled;
        const CriticalErrorsFailQuietly quiet;
        chosen.reset(SHBrowseForFolderA(&info));
    }
    // A confirmed item without a file-system path counts as a cancel, so the
    // caller never sees whatever the buffer held.
    if (!chosen || !SHGetPathFromIDListA(chosen.get(), buffer.get()))
        return false;
    folder = buffer.get();
    return true;
}

int CALLBACK ChooseFolderCallback(HWND window, UINT message, LPARAM, LPARAM data)
{
    if (message == BFFM_INITIALIZED && data != 0)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
    return 0;
}
