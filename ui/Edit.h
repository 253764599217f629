#pragma once
// A single-line text box: the system EDIT control.
#include "ui/WinControl.h"

namespace ui {

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent *owner);
    std::string ClassName() const override { return "TEdit"; }

    std::string Text() const;
    void SetText(std::string text);
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool readOnly);

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    void FillCreateParams(CreateParams &params) override;

private:
    mutable std::string text_;
    bool readOnly_ = false;
};

} // namespace ui
