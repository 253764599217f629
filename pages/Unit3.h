#pragma once
// The finish page: a picture and the finish button.
#include "ui/Form.h"
#include "ui/Image.h"

#include <string>

class TForm3 : public ui::TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TForm3"; }
    ui::EventHandler FindHandler(std::string_view name) override;
    void Loaded() override;

    void FormCreate(ui::TObject *sender);
    void Image1MouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    void Image2Click(ui::TObject *sender);

    // The install folder, with its trailing backslash; written by the progress
    // page before it shows this one.
    std::string InstallDir;

    ui::TImage *Image1 = nullptr;
    ui::TImage *Image2 = nullptr;
};

extern TForm3 *Form3;
