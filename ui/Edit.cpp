#include "ui/Edit.h"

#include "ui/LayoutReader.h"

namespace ui {

TEdit::TEdit(TComponent *owner) : TWinControl(owner)
{
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

std::string TEdit::Text() const
{
    if (HandleAllocated()) {
        HWND window = const_cast<TEdit *>(this)->Handle();
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
        text_ = text;
    }
    return text_;
}

void TEdit::SetText(std::string text)
{
    text_ = std::move(text);
    if (HandleAllocated())
        SetWindowTextA(Handle(), text_.c_str());
}

void TEdit::SetReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TEdit::FillCreateParams(CreateParams &params)
{
    TWinControl::FillCreateParams(params);
    params.systemClass = "EDIT";
    params.text = text_;
    params.style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT | (readOnly_ ? ES_READONLY : 0);
    params.exStyle |= WS_EX_CLIENTEDGE;
}

bool TEdit::SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader)
{
    if (name == "Text")
        SetText(reader.String(value));
    else if (name == "ReadOnly")
        SetReadOnly(reader.Boolean(value));
    else if (name == "AutoSize")
        // The box keeps its stored height; it never sizes itself to its font.
        reader.Enum<bool>(value, {{"False", false}});
    else
        return TWinControl::SetProperty(name, value, reader);
    return true;
}

} // namespace ui
