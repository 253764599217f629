#include "TestPage.h"

#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/ClassRegistry.h"
#include "ui/Edit.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/ProgressBar.h"
#include "ui/Timer.h"

#include <gtest/gtest.h>

namespace {

// A component with a reference to another, as the toolkit's have.
class TLinkTest : public ui::TComponent {
public:
    using TComponent::TComponent;
    std::string ClassName() const override { return "TLinkTest"; }
    bool SetProperty(std::string_view name, const ui::LayoutValue &value, ui::LayoutReader &reader) override
    {
        if (name != "Target")
            return TComponent::SetProperty(name, value, reader);
        reader.Reference(value, [this](ui::TComponent &target) { Target = &target; });
        return true;
    }
    void Loaded() override
    {
        TComponent::Loaded();
        targetWhenLoaded = Target;
    }
    ui::TComponent *Target = nullptr;
    ui::TComponent *targetWhenLoaded = nullptr;
};

class LayoutReaderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ui::Classes().Register<TLinkTest>("TLinkTest"); }

    // The error a layout raises, or "" when it loads.
    std::string LoadError(const std::string &text)
    {
        TTestPage page;
        try {
            page.LoadFromText(text);
        } catch (const ui::LayoutError &error) {
            return error.what();
        }
        return {};
    }

    static std::string Page(const std::string &body)
    {
        return "object Page1: TTestPage\n" + body + "end\n";
    }

    ui::TApplication application;
};

} // namespace

TEST_F(LayoutReaderTest, CreatesEachComponentWithItsStoredProperties)
{
    TTestPage page;
    page.LoadFromText(Page("  Width = 300\n"
                           "  Height = 200\n"
                           "  Caption = 'Page one'\n"
                           "  Color = clWhite\n"
                           "  Font.Name = 'Arial'\n"
                           "  Font.Height = -13\n"
                           "  object Image1: TImage\n"
                           "    Left = 10\n"
                           "    Top = 20\n"
                           "    Width = 30\n"
                           "    Height = 40\n"
                           "    Cursor = crHandPoint\n"
                           "    Picture.Png = 'GLYPH'\n"
                           "  end\n"
                           "  object Label1: TLabel\n"
                           "    AutoSize = False\n"
                           "    Transparent = True\n"
                           "    Caption = '\xE6\xAD\xA3\xE5\x9C\xA8\xE5\xAE\x89\xE8\xA3\x85'\n" // UTF-8
                           "    Font.Style = [fsBold, fsUnderline]\n"
                           "  end\n"
                           "  object Edit1: TEdit\n"
                           "    Enabled = False\n"
                           "    Text = 'C:\\Program Files\\'\n"
                           "    TabOrder = 4\n"
                           "  end\n"
                           "  object Button1: TButton\n"
                           "    Caption = 'Go'\n"
                           "  end\n"
                           "  object ProgressBar1: TProgressBar\n"
                           "    Max = 2147483647\n"
                           "    Position = 123456789\n"
                           "    Smooth = True\n"
                           "  end\n"
                           "  object Timer1: TTimer\n"
                           "    Enabled = False\n"
                           "    Interval = 3000\n"
                           "  end\n"));
    EXPECT_EQ(page.Name(), "Page1");
    EXPECT_EQ(page.Width(), 300);
    EXPECT_EQ(page.Caption(), "Page one");
    EXPECT_EQ(page.Font().Name(), "Arial");
    EXPECT_EQ(page.Font().Height(), -13);
    ASSERT_EQ(page.Components().size(), 6u);

    auto &image = page.Field<ui::TImage>("Image1");
    EXPECT_EQ(image.Parent(), &page);
    EXPECT_EQ((std::array{image.Left(), image.Top(), image.Width(), image.Height()}), (std::array{10, 20, 30, 40}));
    EXPECT_EQ(image.Cursor(), ui::crHandPoint);
    EXPECT_EQ(image.Picture().Width(), 11);
    EXPECT_EQ(image.Picture().Height(), 11);

    auto &label = page.Field<ui::TLabel>("Label1");
    EXPECT_EQ(label.Caption(), "正在安装"); // now in code page 936
    EXPECT_TRUE(label.Transparent());
    EXPECT_FALSE(label.AutoSize());
    EXPECT_TRUE(label.Font().Style().bold);
    EXPECT_TRUE(label.Font().Style().underline);
    EXPECT_EQ(label.Font().Name(), "Arial"); // the rest from the page's font

    auto &edit = page.Field<ui::TEdit>("Edit1");
    EXPECT_FALSE(edit.Enabled());
    EXPECT_FALSE(IsWindowEnabled(edit.Handle()));
    EXPECT_EQ(edit.Text(), "C:\\Program Files\\");
    EXPECT_EQ(edit.TabOrder(), 4);
    EXPECT_EQ(page.Field<ui::TButton>("Button1").Caption(), "Go");

    auto &bar = page.Field<ui::TProgressBar>("ProgressBar1");
    EXPECT_EQ(bar.Max(), 2147483647);
    EXPECT_EQ(bar.Position(), 123456789);
    EXPECT_TRUE(bar.Smooth());

    auto &timer = page.Field<ui::TTimer>("Timer1");
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 3000u);
}

TEST_F(LayoutReaderTest, BindsEventsToThePagesHandlersByName)
{
    TTestPage page;
    page.LoadFromText(Page("  OnCreate = Created\n"
                           "  OnMouseDown = Pressed\n"
                           "  object Image2: TImage\n"
                           "    OnClick = Clicked\n"
                           "    OnMouseEnter = Entered\n"
                           "  end\n"));
    EXPECT_EQ(page.created, std::vector<ui::TObject *>{&page});
    auto &image = page.Field<ui::TImage>("Image2");
    image.Click();
    image.MouseEnter();
    EXPECT_EQ(page.clicks, std::vector<ui::TObject *>{&image});
    EXPECT_EQ(page.entered, std::vector<ui::TObject *>{&image});
    page.MouseDown(ui::TMouseButton::mbLeft, {}, 3, 4);
    ASSERT_EQ(page.presses.size(), 1u);
    EXPECT_EQ(page.presses[0].sender, &page);
}

TEST_F(LayoutReaderTest, ResolvesReferencesAfterEveryComponentIsRead)
{
    TTestPage page;
    page.LoadFromText(Page("  object Link1: TLinkTest\n"
                           "    Target = Image9\n"
                           "  end\n"
                           "  object Link2: TLinkTest\n"
                           "    Target = Page1\n"
                           "  end\n"
                           "  object Image9: TImage\n"
                           "  end\n"));
    auto &link = page.Field<TLinkTest>("Link1");
    EXPECT_EQ(link.Target, &page.Field<ui::TImage>("Image9"));
    EXPECT_EQ(link.targetWhenLoaded, link.Target);
    EXPECT_EQ(page.Field<TLinkTest>("Link2").Target, &page);
}

TEST_F(LayoutReaderTest, UnknownNamesAreErrorsThatNameThePageTheComponentAndTheName)
{
    EXPECT_EQ(LoadError(Page("  object Image1: TImage\n  end\n  object Box1: TNoSuchBox\n  end\n")),
              "Layout of Page1, line 4, component Box1: unknown class 'TNoSuchBox'");
    EXPECT_EQ(LoadError(Page("  object Image1: TImage\n    Colour = clBlue\n  end\n")),
              "Layout of Page1, line 3, component Image1, property Colour: unknown property 'Colour'");
    EXPECT_EQ(LoadError(Page("  object Image2: TImage\n    OnClick = Image2Click\n  end\n")),
              "Layout of Page1, line 3, component Image2, property OnClick: unknown handler 'Image2Click'");
    EXPECT_EQ(LoadError(Page("  object Link1: TLinkTest\n    Target = Image7\n  end\n")),
              "Layout of Page1, line 3, component Link1, property Target: unknown component 'Image7'");
    EXPECT_EQ(LoadError(Page("  Width = 5\n  Height = 6\n  Bogus = 1\n")),
              "Layout of Page1, line 4, component Page1, property Bogus: unknown property 'Bogus'");
}

TEST_F(LayoutReaderTest, ValuesOfTheWrongKindAreErrors)
{
    EXPECT_EQ(LoadError(Page("  Width = 'wide'\n")),
              "Layout of Page1, line 2, component Page1, property Width: expected a number, found a string");
    EXPECT_EQ(LoadError(Page("  object I: TImage\n    Visible = Yes\n  end\n")),
              "Layout of Page1, line 3, component I, property Visible: unknown value 'Yes'");
    EXPECT_EQ(LoadError(Page("  object I: TImage\n    OnClick = Pressed\n  end\n")),
              "Layout of Page1, line 3, component I, property OnClick: handler 'Pressed' takes mouse arguments, "
              "this event does not");
    EXPECT_EQ(LoadError(Page("  object I: TImage\n    OnMouseDown = Clicked\n  end\n")),
              "Layout of Page1, line 3, component I, property OnMouseDown: handler 'Clicked' takes no mouse "
              "arguments, this event has them");
    EXPECT_EQ(LoadError(Page("  Font.Style = [fsShadow]\n")),
              "Layout of Page1, line 2, component Page1, property Font.Style: unknown font style 'fsShadow'");
    EXPECT_EQ(LoadError(Page("  Width = 4294967295\n")),
              "Layout of Page1, line 2, component Page1, property Width: number out of range");
}

TEST_F(LayoutReaderTest, StructuralMistakesAreErrors)
{
    EXPECT_EQ(LoadError("object Page1: TOtherPage\nend\n"),
              "Layout of Page1, line 1, component Page1: the layout is for class 'TOtherPage', the page is "
              "TTestPage");
    EXPECT_EQ(LoadError(Page("  object A: TImage\n  end\n  object A: TLabel\n  end\n")),
              "Layout of Page1, line 4, component A: a component of this name exists already");
    EXPECT_EQ(LoadError(Page("  object T: TTimer\n    object I: TImage\n    end\n  end\n")),
              "Layout of Page1, line 3, component I: a control must stand inside a windowed control, not "
              "inside T");
    EXPECT_EQ(LoadError("object Page1: TTestPage\n  Width = 5\n"),
              "Layout of TTestPage, line 3: expected a property, 'object' or 'end', found the end of the layout");
}

TEST_F(LayoutReaderTest, PicturesThatCannotBeReadAreClearErrors)
{
    EXPECT_EQ(LoadError(Page("  object I: TImage\n    Picture.Png = 'NO_SUCH_PICTURE'\n  end\n")),
              "Layout of Page1, line 3, component I, property Picture.Png: no picture resource 'NO_SUCH_PICTURE'");
    const std::string truncated = LoadError(Page("  object I: TImage\n    Picture.Png = 'TRUNCATED'\n  end\n"));
    EXPECT_EQ(truncated.rfind("Layout of Page1, line 3, component I, property Picture.Png: picture 'TRUNCATED': "
                              "Invalid PNG picture: ",
                              0),
              0u)
        << truncated;
}

TEST_F(LayoutReaderTest, PagesLoadTheLayoutBoundUnderTheirClassName)
{
    TTestPage page;
    page.Load();
    EXPECT_EQ(page.Caption(), "From a resource");
    EXPECT_EQ(page.Field<ui::TImage>("Glyph").Picture().Width(), 11);
    EXPECT_FALSE(page.HandleAllocated()) << "a hidden page gets its windows when first needed";
    EXPECT_FALSE(IsWindowVisible(page.Handle()));
    EXPECT_TRUE(page.Field<ui::TImage>("Glyph").Parent()->HandleAllocated());
}

TEST_F(LayoutReaderTest, FieldsNameTheMissingComponent)
{
    TTestPage page;
    page.LoadFromText(Page("  object Image1: TImage\n  end\n"));
    EXPECT_THROW(page.Field<ui::TImage>("Image2"), ui::LayoutError);
    EXPECT_THROW(page.Field<ui::TLabel>("Image1"), ui::LayoutError);
}
