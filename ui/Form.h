#pragma once
// A page: a borderless top-level window owned by the application window,
// built from the stored layout named after its class.
#include "ui/Handlers.h"
#include "ui/LayoutReader.h"
#include "ui/WinControl.h"

#include <string_view>

namespace ui {

enum class TPosition { poDesigned, poDesktopCenter, poScreenCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent *owner = nullptr);
    std::string ClassName() const override { return "TForm"; }

    // Reads the layout bound into the executable (RCDATA named after the
    // class, e.g. TFORM1) and runs OnCreate. The windows follow when the page
    // is first shown. Pictures come from `pictures` when given (see LayoutReader).
    void Load(PictureStore *pictures = nullptr);
    // The same from a layout text.
    void LoadFromText(std::string_view layoutText, PictureStore *pictures = nullptr);

    // The page's handler of that name, for the layout's event bindings.
    virtual EventHandler FindHandler(std::string_view name);

    // The page's component of that name and class, for the page's fields;
    // a layout without it is an error that names both.
    template <typename T> T &Field(std::string_view name)
    {
        if (auto *component = dynamic_cast<T *>(FindComponent(name)))
            return *component;
        throw LayoutError("Layout of " + Name() + ": no component " + std::string(name) +
                          " of the class the page expects");
    }

    // Shows the page (centred first, where its position says so) and
    // activates it; while the application is minimised it appears on restore.
    void Show();
    void Hide();
    // A close request (Alt+F4): the main form ends the application; any
    // other page stays as it is.
    void Close();
    // Drags the page by the mouse as if its caption had been pressed: call
    // from a left-button press; the system's move loop runs until release.
    void BeginDrag();

    const std::string &Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    // Pages are borderless: the client area is the whole window.
    void SetClientWidth(int width) { SetWidth(width); }
    void SetClientHeight(int height) { SetHeight(height); }

    // Tab and Shift+Tab: the next or previous tab stop that can take the focus.
    void SelectNext(bool forward);
    // Focus to the first tab stop.
    void SelectFirst();
    TWinControl *ActiveControl() const { return activeControl_; }

    TNotifyEvent OnCreate;

    // The window's own visibility; the application hides and shows pages
    // while it is minimised.
    void ApplyVisibility();

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    void FillCreateParams(CreateParams &params) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void VisibleChanged() override;
    void ChildFocused(TWinControl &control) override { activeControl_ = &control; }
    void Notification(TComponent &removed) override;

private:
    std::vector<TWinControl *> TabList();
    void PlaceOnFirstShow();
    void Activated();

    std::string caption_;
    TPosition position_ = TPosition::poDesigned;
    TWinControl *activeControl_ = nullptr;
    bool placed_ = false;
};

} // namespace ui
