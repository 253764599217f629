#pragma once
// The options page, the wizard's main window: install folder, options and
// the install button.
#include "skin/bsPngImageView.h"
#include "skin/bsSkinCheckRadioBox.h"
#include "skin/bsSkinLinkLabel.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Image.h"

#include <string>

class TForm1 : public ui::TForm {
public:
    TForm1();
    std::string ClassName() const override { return "TForm1"; }
    ui::EventHandler FindHandler(std::string_view name) override;
    void Loaded() override;

    void FormCreate(ui::TObject *sender);
    void FormMouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    void Image1MouseDown(ui::TObject *sender, ui::TMouseButton button, ui::TShiftState shift, int x, int y);
    void ImageCloseClick(ui::TObject *sender);
    void ImageMinClick(ui::TObject *sender);
    void bsPngImageView1Click(ui::TObject *sender);
    void bsPngImageView1MouseEnter(ui::TObject *sender);
    void Button1Click(ui::TObject *sender);
    void Image2Click(ui::TObject *sender);

    ui::TImage *Image1 = nullptr;
    ui::TImage *Image2 = nullptr;
    ui::TImage *ImageClose = nullptr;
    ui::TImage *ImageMin = nullptr;
    ui::TEdit *Edit1 = nullptr;
    ui::TButton *Button1 = nullptr;
    skin::TbsSkinLinkLabel *bsSkinLinkLabel1 = nullptr;
    skin::TbsPngImageView *bsPngImageView1 = nullptr;
    skin::TbsSkinLinkLabel *bsSkinLinkLabel2 = nullptr;
    skin::TbsSkinCheckRadioBox *bsSkinCheckRadioBox1 = nullptr;
    skin::TbsSkinCheckRadioBox *bsSkinCheckRadioBox2 = nullptr;
    skin::TbsSkinCheckRadioBox *bsSkinCheckRadioBox3 = nullptr;
    skin::TbsSkinCheckRadioBox *bsSkinCheckRadioBox4 = nullptr;
};

extern TForm1 *Form1;

// The path of a Windows special folder (a CSIDL number) with a trailing
// backslash.
std::string GetSpecialFolderPath(int folder);
