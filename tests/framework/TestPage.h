#pragma once
// A page class for the framework tests: its handlers record what reached them.
#include "ui/Form.h"

#include <stdexcept>
#include <string>
#include <vector>

struct MousePress {
    ui::TObject *sender;
    ui::TMouseButton button;
    bool left;
    int x;
    int y;
};

class TTestPage : public ui::TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TTestPage"; }

    ui::EventHandler FindHandler(std::string_view name) override
    {
        return ui::BindHandler(*this, name, {
            {"Created", &TTestPage::Created},
            {"Clicked", &TTestPage::Clicked},
            {"Pressed", &TTestPage::Pressed},
            {"Entered", &TTestPage::Entered},
            {"Exited", &TTestPage::Exited},
            {"Ticked", &TTestPage::Ticked},
            {"Explode", &TTestPage::Explode},
            {"ExplodeOnPress", &TTestPage::ExplodeOnPress},
        });
    }

    void Created(ui::TObject *sender) { created.push_back(sender); }
    void Clicked(ui::TObject *sender)
    {
        clicks.push_back(sender);
        capturesAtClick.push_back(GetCapture());
    }
    void Pressed(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y)
    {
        presses.push_back({sender, button, shift.left, x, y});
    }
    void Entered(ui::TObject *sender) { entered.push_back(sender); }
    void Exited(ui::TObject *sender) { left.push_back(sender); }
    void Ticked(ui::TObject *sender)
    {
        ticks.push_back(sender);
        if (onTick)
            onTick();
    }
    void Explode(ui::TObject *) { throw std::runtime_error("Disk full"); }
    void ExplodeOnPress(ui::TObject *, ui::TMouseButton, ui::TShiftState, int, int)
    {
        throw std::runtime_error("Pressed too hard");
    }

    std::vector<ui::TObject *> created;
    std::vector<ui::TObject *> clicks;
    std::vector<HWND> capturesAtClick;
    std::vector<MousePress> presses;
    std::vector<ui::TObject *> entered;
    std::vector<ui::TObject *> left;
    std::vector<ui::TObject *> ticks;
    std::function<void()> onTick;
};
