#pragma once
// The application object: COM for the GUI thread, the hidden application
// window that carries the title and owns every page, the pages themselves,
// the message loop, termination, minimising and the default error report.
#include "ui/ErrorReport.h"
#include "ui/Form.h"
#include "ui/PictureStore.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class TApplication {
public:
    TApplication();
    ~TApplication();
    TApplication(const TApplication &) = delete;
    TApplication &operator=(const TApplication &) = delete;

    HWND Handle() const { return handle_; }
    const std::string &Title() const { return title_; }
    void SetTitle(std::string title);

    // Creates a page of class F from its layout. The reference is set before
    // the layout is read, so the page's create handler can reach it; the
    // first page created is the main form.
    template <typename F> void CreateForm(F *&reference)
    {
        auto form = std::make_unique<F>();
        reference = form.get();
        forms_.push_back(std::move(form));
        if (!mainForm_)
            mainForm_ = reference;
        reference->Load(&pictures_);
    }
    TForm *MainForm() const { return mainForm_; }

    // Shows the main form and handles messages until termination.
    void Run();
    // Handles every pending message, then returns.
    void ProcessMessages();
    // Ends the message loop when control next returns to it; a handler that
    // asks for it while pumping messages runs to its end first.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Every page hides with the application and comes back on restore.
    void Minimize();
    void Restore();
    bool Minimized() const { return minimized_; }

    // A modal message box over every page, owned by the application window.
    int MessageBox(const std::string &text, const std::string &caption, UINT flags);

    // The default error report: the error's text (see ErrorReportText) with
    // the title as caption, the error icon and OK. OnException, when set,
    // replaces it.
    void ShowException(const std::exception &error);
    std::function<void(const std::exception &)> OnException;

private:
    template <typename T> friend class WindowProcedure;
    static constexpr const char *kWindowProperty = "ui.TApplication";
    void AttachWindow(HWND window) { handle_ = window; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Dispatch(MSG &message);

    // The executable's pictures, each checked when a layout first names it
    // and decoded once when first drawn.
    PictureStore pictures_;
    bool comInitialised_ = false;
    HWND handle_ = nullptr;
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm *mainForm_ = nullptr;
    bool terminated_ = false;
    bool minimized_ = false;
};

// The process's application object, while one exists.
extern TApplication *Application;

} // namespace ui
