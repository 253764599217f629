#pragma once
// A push button: the system BUTTON control. No button of the pages is the
// default or the cancel button, so Enter and Esc press none.
#include "ui/WinControl.h"

namespace ui {

class TButton : public TWinControl {
public:
    explicit TButton(TComponent *owner);
    std::string ClassName() const override { return "TButton"; }

    const std::string &Caption() const { return caption_; }
    void SetCaption(std::string caption);

    bool SetProperty(std::string_view name, const LayoutValue &value, LayoutReader &reader) override;

protected:
    void FillCreateParams(CreateParams &params) override;
    bool Command(WORD notification) override;

private:
    std::string caption_;
};

} // namespace ui
