#pragma once
// A control with a window of its own. Every window of the framework, its own
// classes and the system controls alike, reaches the one dispatch point
// HandleMessage through the framework's one window procedure (WindowProc.h);
// messages are cracked there into the typed virtual calls of TControl and of
// this class.
#include "ui/Control.h"
#include "ui/PaintCache.h"

#include <vector>

namespace ui {

class TGraphicControl;

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent *owner);
    ~TWinControl() override;
    std::string ClassName() const override { return "TWinControl"; }
    bool Windowed() const override { return true; }

    // The window, created on first use together with its parent's and its
    // windowed children's (a hidden page gets its windows when first shown).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    static TWinControl *FromHandle(HWND window);

    // The children in z-order (creation order); not owned.
    const std::vector<TControl *> &Controls() const { return controls_; }
    void InsertControl(TControl &control);
    void RemoveControl(TControl &control);
    SIZE ClientSize() const;

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Visible and enabled up to the form, and has a window.
    bool CanFocus() const;
    bool Focused() const;
    void SetFocus();

    void Invalidate() override;
    void InvalidateArea(const RECT &area);
    // Paints pending areas now.
    void Update();
    // Paints `area` of this window now through a window DC, outside the
    // system's paint cycle, for a control whose thread handles no messages
    // while it changes. Windowed children are not painted again.
    void PaintNow(const RECT &area);

    // Paints what lies beneath `control` (a child of this control) into dc,
    // whose origin is the control's top-left corner: this control's background
    // and, in z-order, the visible graphic children that overlap the control;
    // under a graphic child only those before it. The skinned controls draw
    // their face over it.
    void PaintBeneath(const TControl &control, HDC dc);
    // True while PaintBeneath paints a copy of this control for a child.
    bool PaintingCopy() const { return paintingCopy_; }

    // The whole client area, background then graphic children, into dc.
    void PaintTo(HDC dc);
    // Fills the client area with the control's colour.
    virtual void PaintBackground(HDC dc);

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    struct CreateParams {
        std::string className;   // the framework registers its own class of this name
        const char *systemClass = nullptr; // or a system control class, subclassed
        std::string text;
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        DWORD exStyle = 0;
        HWND parent = nullptr;
        int left = 0, top = 0, width = 0, height = 0;
    };
    virtual void FillCreateParams(CreateParams &params);
    // Runs right after the window exists: push stored state into it.
    virtual void WindowCreated();

    // The one dispatch point of every window of the framework.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The window class's own processing (DefWindowProc or the system control's).
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // Own-class painting: the control's face, before the graphic children.
    virtual void PaintWindow(HDC dc) { PaintBackground(dc); }
    virtual void FocusChanged(bool focused) { (void)focused; }
    // `control`, a windowed control somewhere below this one, took the focus;
    // passed up to the top-level control (the page remembers it).
    virtual void ChildFocused(TWinControl &control);
    virtual void KeyDown(WORD key, TShiftState shift) { (void)key, (void)shift; }
    virtual void KeyUp(WORD key, TShiftState shift) { (void)key, (void)shift; }
    virtual void KeyPress(char key) { (void)key; }
    // A notification (WM_COMMAND) the parent passes back to this child.
    virtual bool Command(WORD notification) { (void)notification; return false; }
    // The client area changed size: client-aligned children follow.
    virtual void Resized();

    void BoundsChanged(const RECT &previous) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void SetParent(TWinControl *parent) override;

    bool SystemControl() const { return defaultProc_ != nullptr; }
    // Keeps the stored bounds in step with the window after the system moved it.
    void SyncBounds(int left, int top, int width, int height);

private:
    template <typename T> friend class WindowProcedure;
    static constexpr const char *kWindowProperty = "ui.TWinControl";
    void AttachWindow(HWND window) { handle_ = window; }
    static void RegisterOwnClass(const std::string &className);
    void CreateWindowHandle();
    void DestroyWindowHandle();
    void PaintBuffered();
    // Marks the faces of the windowed children within `area` (all for null)
    // as changed.
    void StaleChildrenWithin(const RECT *area);
    void PaintGraphicChildren(HDC dc, const TControl *stopAt, const RECT *overlapping);
    TControl *ControlAt(int x, int y);
    void MouseButtonMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void MouseMoveMessage(WPARAM wParam, LPARAM lParam);
    void MouseLeaveMessage();
    bool SetCursorMessage();

    HWND handle_ = nullptr;
    WNDPROC defaultProc_ = nullptr;
    std::vector<TControl *> controls_;
    TPaintCache paintCache_;
    TControl *hover_ = nullptr;
    TControl *capture_ = nullptr;
    bool trackingLeave_ = false;
    bool paintingCopy_ = false;
    bool settingBounds_ = false;
    int tabOrder_ = -1;
    bool tabStop_ = false;
};

// A windowed control of the framework's own class that paints itself; the
// skinned controls derive from it.
class TCustomControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    std::string ClassName() const override { return "TCustomControl"; }

protected:
    // Paints the face into dc (client coordinates); the background by default.
    virtual void Paint(HDC dc) { PaintBackground(dc); }
    void PaintWindow(HDC dc) override { Paint(dc); }
};

// Shift and button state from a mouse message's wParam.
TShiftState MouseShiftState(WPARAM wParam);
// Shift state of the keyboard now.
TShiftState KeyboardShiftState();

} // namespace ui
