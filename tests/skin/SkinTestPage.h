#pragma once
// A page for the toolkit's tests, built from a layout text; its handlers
// record what reached them.
#include "skin/bsRegister.h"
#include "tests/support/PixelCapture.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "win/Gdi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSkinTestPage : public ui::TForm {
public:
    TSkinTestPage() { skin::RegisterClasses(); }
    std::string ClassName() const override { return "TSkinTestPage"; }

    ui::EventHandler FindHandler(std::string_view name) override
    {
        return ui::BindHandler(*this, name, {
            {"Clicked", &TSkinTestPage::Clicked},
            {"Entered", &TSkinTestPage::Entered},
        });
    }
    void Clicked(ui::TObject *sender)
    {
        clicks.push_back(sender);
        if (onClick)
            onClick();
    }
    void Entered(ui::TObject *sender) { entered.push_back(sender); }

    std::vector<ui::TObject *> clicks;
    std::vector<ui::TObject *> entered;
    std::function<void()> onClick;
};

// A white 300 x 120 page with the given components.
inline std::unique_ptr<TSkinTestPage> LoadTestPage(ui::TApplication &application, const std::string &body)
{
    auto page = std::make_unique<TSkinTestPage>();
    page->LoadFromText("object Page1: TSkinTestPage\n  Width = 300\n  Height = 120\n  Color = clWhite\n" + body +
                       "end\n");
    page->Show();
    application.ProcessMessages();
    return page;
}
