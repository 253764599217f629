#include "pages/Unit1.h"

#include "install/ShellFolder.h"
#include "pages/ChooseFolder.h"
#include "pages/Unit2.h"
#include "pages/UnpackPayload.h"
#include "skin/bsRegister.h"
#include "ui/Application.h"
#include "ui/Dialogs.h"
#include "ui/Rounding.h"
#include "win/FileSystem.h"
#include "win/PathText.h"
#include "win/SystemError.h"

#include <shlobj.h>

TForm1 *Form1 = nullptr;

namespace {

constexpr const char *kDefaultFolderName = "Larkview\\";
constexpr int kFoldedHeight = 400;
constexpr int kUnfoldedHeight = 550;

// The hand-over value of an option box: "1" when checked, else "0".
std::string OptionFlag(const skin::TbsSkinCheckRadioBox &box)
{
    return box.Checked() ? "1" : "0";
}

} // namespace

// The page's layout places the skinned toolkit's controls.
TForm1::TForm1()
{
    skin::RegisterClasses();
}

ui::EventHandler TForm1::FindHandler(std::string_view name)
{
    return ui::BindHandler(*this, name, {
        {"FormCreate", &TForm1::FormCreate},
        {"FormMouseDown", &TForm1::FormMouseDown},
        {"Image1MouseDown", &TForm1::Image1MouseDown},
        {"ImageCloseClick", &TForm1::ImageCloseClick},
        {"ImageMinClick", &TForm1::ImageMinClick},
        {"bsPngImageView1Click", &TForm1::bsPngImageView1Click},
        {"bsPngImageView1MouseEnter", &TForm1::bsPngImageView1MouseEnter},
        {"Button1Click", &TForm1::Button1Click},
        {"Image2Click", &TForm1::Image2Click},
    });
}

void TForm1::Loaded()
{
    TForm::Loaded();
    Image1 = &Field<ui::TImage>("Image1");
    Image2 = &Field<ui::TImage>("Image2");
    ImageClose = &Field<ui::TImage>("ImageClose");
    ImageMin = &Field<ui::TImage>("ImageMin");
    Edit1 = &Field<ui::TEdit>("Edit1");
    Button1 = &Field<ui::TButton>("Button1");
    bsSkinLinkLabel1 = &Field<skin::TbsSkinLinkLabel>("bsSkinLinkLabel1");
    bsPngImageView1 = &Field<skin::TbsPngImageView>("bsPngImageView1");
    bsSkinLinkLabel2 = &Field<skin::TbsSkinLinkLabel>("bsSkinLinkLabel2");
    bsSkinCheckRadioBox1 = &Field<skin::TbsSkinCheckRadioBox>("bsSkinCheckRadioBox1");
    bsSkinCheckRadioBox2 = &Field<skin::TbsSkinCheckRadioBox>("bsSkinCheckRadioBox2");
    bsSkinCheckRadioBox3 = &Field<skin::TbsSkinCheckRadioBox>("bsSkinCheckRadioBox3");
    bsSkinCheckRadioBox4 = &Field<skin::TbsSkinCheckRadioBox>("bsSkinCheckRadioBox4");
}

void TForm1::FormCreate(ui::TObject *)
{
    SetWidth(588);
    SetHeight(kFoldedHeight);
    ImageClose->SetBounds(Image1->Width() - 15, 5, 11, 11);
    ImageMin->SetWidth(10);
    ImageMin->SetHeight(2);
    ImageMin->SetLeft(ImageClose->Left() - 15);
    ImageMin->SetTop(10);
    Image2->SetWidth(197);
    Image2->SetHeight(47);
    Image2->SetLeft(ui::RoundHalfToEven((Width() - 197) / 2.0));
    Edit1->SetLeft(Image2->Left() - 20);
    Edit1->SetWidth(Image2->Width() + 40);
    Edit1->SetText(GetSpecialFolderPath(CSIDL_PROGRAM_FILES) + kDefaultFolderName);
    Button1->SetTop(Edit1->Top());
    bsSkinCheckRadioBox1->SetChecked(true);
    bsSkinCheckRadioBox2->SetChecked(true);
    bsSkinCheckRadioBox3->SetChecked(true);
    bsSkinCheckRadioBox4->SetChecked(true);
}

// The custom options strip folds and unfolds by the window's height; the
// decision goes by the chevron's index alone, so "自定义选项" and the chevron
// act alike.
void TForm1::bsPngImageView1Click(ui::TObject *)
{
    const bool folded = bsPngImageView1->ImageIndex() == 0 || bsPngImageView1->ImageIndex() == 1;
    const int height = folded ? kUnfoldedHeight : kFoldedHeight;
    SetHeight(height);
    bsSkinCheckRadioBox1->SetTop(height - 30);
    bsSkinLinkLabel1->SetTop(height - 25);
    bsPngImageView1->SetTop(height - 25);
    bsSkinLinkLabel2->SetTop(height - 25);
    bsPngImageView1->SetImageIndex(folded ? 2 : 0);
}

// Highlights the chevron; nothing takes the highlight back before the next click.
void TForm1::bsPngImageView1MouseEnter(ui::TObject *)
{
    if (bsPngImageView1->ImageIndex() == 0)
        bsPngImageView1->SetImageIndex(1);
    if (bsPngImageView1->ImageIndex() == 2)
        bsPngImageView1->SetImageIndex(3);
}

void TForm1::FormMouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}

void TForm1::Image1MouseDown(ui::TObject *, ui::TMouseButton, ui::TShiftState shift, int, int)
{
    if (shift.left)
        BeginDrag();
}

void TForm1::ImageCloseClick(ui::TObject *)
{
    ui::Application->Terminate();
}

void TForm1::ImageMinClick(ui::TObject *)
{
    ui::Application->Minimize();
}

void TForm1::Button1Click(ui::TObject *)
{
    std::string folder;
    ChooseFolder("指定目录", L"", folder);
    if (!folder.empty())
        Edit1->SetText(IncludeTrailingBackslash(folder) + kDefaultFolderName);
}

void TForm1::Image2Click(ui::TObject *)
{
    const std::string folder = IncludeTrailingBackslash(Edit1->Text());
    if (!win::ForceDirectories(win::AnsiToWide(folder))) {
        const DWORD error = GetLastError();
        ui::ShowMessage(win::SystemErrorText(error));
        return;
    }
    UnpackPayload(folder);
    Form2->Show();
    Hide();
    Form2->DesktopFlag = OptionFlag(*bsSkinCheckRadioBox4);
    Form2->QuickLaunchFlag = OptionFlag(*bsSkinCheckRadioBox3);
    Form2->AutoRunFlag = OptionFlag(*bsSkinCheckRadioBox2);
    Form2->InstallDir = folder;
    Form2->TimerStartDownload->SetEnabled(true);
}

std::string GetSpecialFolderPath(int folder)
{
    // A failed lookup is not checked: the page then proposes the folder name
    // under a lone backslash.
    return IncludeTrailingBackslash(SpecialFolderPath(folder).value_or(std::string()));
}
