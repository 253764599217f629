#include "ui/Form.h"

#include "ui/Application.h"
#include "ui/LayoutReader.h"
#include "ui/Placement.h"
#include "win/Resource.h"

#include <algorithm>

namespace ui {

TForm::TForm(TComponent *owner) : TWinControl(owner)
{
    SetVisible(false);
}

void TForm::Load(PictureStore *pictures)
{
    const std::string resource = ClassName();
    const std::string_view text = win::RawDataBytes(resource.c_str());
    if (text.empty())
        throw LayoutError("No layout resource " + resource);
    LoadFromText(text, pictures);
}

void TForm::LoadFromText(std::string_view layoutText, PictureStore *pictures)
{
    LayoutReader(*this, pictures).Read(layoutText);
    if (OnCreate) {
        // An error in the create handler is reported like any event's; the
        // page exists all the same.
        try {
            OnCreate(this);
        } catch (...) {
            ReportException();
        }
    }
    if (Visible())
        Show();
}

EventHandler TForm::FindHandler(std::string_view)
{
    return {};
}

void TForm::PlaceOnFirstShow()
{
    if (placed_)
        return;
    placed_ = true;
    Point corner{Left(), Top()};
    if (position_ == TPosition::poDesktopCenter)
        corner = CentredOn(GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN), Width(),
                           Height());
    else if (position_ == TPosition::poScreenCenter)
        corner = CentredOn(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), Width(), Height());
    SetBounds(corner.x, corner.y, Width(), Height());
}

void TForm::Show()
{
    PlaceOnFirstShow();
    if (Visible())
        ApplyVisibility();
    else
        SetVisible(true);
}

void TForm::Hide()
{
    SetVisible(false);
}

void TForm::Close()
{
    // Any other page ignores the request: hiding it would leave the wizard
    // running with nothing on screen. Its own controls are the ways out.
    if (Application && Application->MainForm() == this)
        Application->Terminate();
}

void TForm::BeginDrag()
{
    // The move loop takes the mouse itself: a click begun on the page is over.
    ReleaseCapture();
    SendMessageA(Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void TForm::VisibleChanged()
{
    if (!Loading())
        ApplyVisibility();
}

void TForm::ApplyVisibility()
{
    if (!Visible()) {
        if (HandleAllocated())
            ShowWindow(Handle(), SW_HIDE);
        return;
    }
    if (Application && Application->Minimized())
        return;
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
}

void TForm::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    if (HandleAllocated())
        SetWindowTextA(Handle(), caption_.c_str());
}

void TForm::FillCreateParams(CreateParams &params)
{
    TWinControl::FillCreateParams(params);
    params.style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.parent = Application ? Application->Handle() : nullptr;
    params.text = caption_;
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE) {
            Activated();
            if (GetFocus() && GetFocus() != Handle())
                return 0;
        }
        break;
    case WM_CLOSE:
        Close();
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application) {
            Application->Minimize();
            return 0;
        }
        break;
    default:
        break;
    }
    return TWinControl::HandleMessage(message, wParam, lParam);
}

void TForm::Activated()
{
    if (activeControl_ && activeControl_->CanFocus())
        activeControl_->SetFocus();
    else
        SelectFirst();
}

std::vector<TWinControl *> TForm::TabList()
{
    std::vector<TWinControl *> list;
    const auto collect = [&list](auto &self, TWinControl &parent) -> void {
        std::vector<TWinControl *> children;
        for (TControl *control : parent.Controls())
            if (auto *windowed = dynamic_cast<TWinControl *>(control))
                children.push_back(windowed);
        std::stable_sort(children.begin(), children.end(),
                         [](TWinControl *a, TWinControl *b) { return a->TabOrder() < b->TabOrder(); });
        for (TWinControl *child : children) {
            list.push_back(child);
            self(self, *child);
        }
    };
    collect(collect, *this);
    std::erase_if(list, [](TWinControl *control) { return !control->TabStop() || !control->CanFocus(); });
    return list;
}

void TForm::SelectFirst()
{
    const std::vector<TWinControl *> list = TabList();
    if (!list.empty())
        list.front()->SetFocus();
}

void TForm::SelectNext(bool forward)
{
    const std::vector<TWinControl *> list = TabList();
    if (list.empty())
        return;
    TWinControl *current = FromHandle(GetFocus());
    const auto found = std::find(list.begin(), list.end(), current);
    std::size_t index;
    if (found == list.end())
        index = forward ? 0 : list.size() - 1;
    else if (forward)
        index = (static_cast<std::size_t>(found - list.begin()) + 1) % list.size();
    else
        index = (static_cast<std::size_t>(found - list.begin()) + list.size() - 1) % list.size();
    list[index]->SetFocus();
}

void TForm::Notification(TComponent &removed)
{
    if (activeControl_ == &removed)
        activeControl_ = nullptr;
    TWinControl::Notification(removed);
}

bool TForm::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Caption")
        SetCaption(reader.String(value));
    else if (name == "Position")
        SetPosition(reader.Enum<TPosition>(value, {{"poDesigned", TPosition::poDesigned},
                                                   {"poDesktopCenter", TPosition::poDesktopCenter},
                                                   {"poScreenCenter", TPosition::poScreenCenter}}));
    else if (name == "BorderStyle")
        // Every page is borderless: no caption bar, frame or system buttons.
        reader.Enum<int>(value, {{"bsNone", 0}});
    else if (name == "ClientWidth")
        SetClientWidth(reader.Integer(value));
    else if (name == "ClientHeight")
        SetClientHeight(reader.Integer(value));
    else if (name == "OnCreate")
        OnCreate = reader.NotifyHandler(value);
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
