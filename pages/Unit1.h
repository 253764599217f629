#pragma once
// The options page, the wizard's main window: install folder, options and
// the install button.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"

#include <string>

class TForm1 : public ui::TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TForm1"; }
    ui::EventHandler FindHandler(std::string_view name) override;
    void Loaded() override;

    void FormCreate(ui::TObject *sender);
    void FormMouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    void Image1MouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    void ImageCloseClick(ui::TObject *sender);
    void ImageMinClick(ui::TObject *sender);
    void Button1Click(ui::TObject *sender);
    void Image2Click(ui::TObject *sender);

    ui::TImage *Image1 = nullptr;
    ui::TImage *Image2 = nullptr;
    ui::TImage *ImageClose = nullptr;
    ui::TImage *ImageMin = nullptr;
    ui::TEdit *Edit1 = nullptr;
    ui::TButton *Button1 = nullptr;

private:
    // "1" when the named option box is checked, else "0".
    std::string OptionFlag(std::string_view boxName);
};

extern TForm1 *Form1;

// The path of a Windows special folder (a CSIDL number) with a trailing
// backslash.
std::string GetSpecialFolderPath(int folder);
