#include "ui/Layout.h"

#include <gtest/gtest.h>

using ui::LayoutObject;
using ui::LayoutSyntaxError;
using ui::LayoutValue;
using ui::ParseLayout;

namespace {

int SyntaxErrorLine(const char *text)
{
    try {
        ParseLayout(text);
    } catch (const LayoutSyntaxError &error) {
        return error.line();
    }
    return 0;
}

std::string SyntaxErrorText(const char *text)
{
    try {
        ParseLayout(text);
    } catch (const LayoutSyntaxError &error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(ParseLayout, ReadsObjectsPropertiesAndNesting)
{
    const LayoutObject root = ParseLayout("object Form1: TForm1\n"
                                          "  Width = 588\n"
                                          "  Caption = 'Form1'\n"
                                          "  object Image1: TImage\n"
                                          "    Align = alClient\n"
                                          "  end\n"
                                          "  object Panel1: TPanel\n"
                                          "    object Button1: TButton\n"
                                          "    end\n"
                                          "  end\n"
                                          "end\n");
    EXPECT_EQ(root.name, "Form1");
    EXPECT_EQ(root.className, "TForm1");
    EXPECT_EQ(root.line, 1);
    ASSERT_EQ(root.properties.size(), 2u);
    EXPECT_EQ(root.properties[0].name, "Width");
    EXPECT_EQ(root.properties[0].value.kind, LayoutValue::Kind::Integer);
    EXPECT_EQ(root.properties[0].value.integer, 588);
    EXPECT_EQ(root.properties[1].value.kind, LayoutValue::Kind::String);
    EXPECT_EQ(root.properties[1].value.text, "Form1");
    EXPECT_EQ(root.properties[1].line, 3);
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "Image1");
    EXPECT_EQ(root.children[0].className, "TImage");
    EXPECT_EQ(root.children[0].line, 4);
    EXPECT_EQ(root.children[0].properties[0].value.kind, LayoutValue::Kind::Identifier);
    EXPECT_EQ(root.children[0].properties[0].value.text, "alClient");
    ASSERT_EQ(root.children[1].children.size(), 1u);
    EXPECT_EQ(root.children[1].children[0].name, "Button1");
}

TEST(ParseLayout, ReadsEveryKindOfValue)
{
    const LayoutObject root = ParseLayout("object A: TA\n"
                                          "  Negative = -11\n"
                                          "  Hex = $00FF0000\n"
                                          "  Plus = +7\n"
                                          "  Quote = 'it''s'\n"
                                          "  Chinese = '\xE6\xB5\x8F\xE8\xA7\x88'\n" // UTF-8, as layout files are
                                          "  Empty = ''\n"
                                          "  Font.Style = [fsBold, fsUnderline]\n"
                                          "  NoStyle = []\n"
                                          "  OnClick = Image2Click\n"
                                          "end");
    const auto &p = root.properties;
    ASSERT_EQ(p.size(), 9u);
    EXPECT_EQ(p[0].value.integer, -11);
    EXPECT_EQ(p[1].value.integer, 0xFF0000);
    EXPECT_EQ(p[2].value.integer, 7);
    EXPECT_EQ(p[3].value.text, "it's");
    EXPECT_EQ(p[4].value.text, "\xE6\xB5\x8F\xE8\xA7\x88"); // UTF-8 as in the file
    EXPECT_EQ(p[5].value.kind, LayoutValue::Kind::String);
    EXPECT_EQ(p[5].value.text, "");
    EXPECT_EQ(p[6].name, "Font.Style");
    EXPECT_EQ(p[6].value.kind, LayoutValue::Kind::Set);
    EXPECT_EQ(p[6].value.items, (std::vector<std::string>{"fsBold", "fsUnderline"}));
    EXPECT_TRUE(p[7].value.items.empty());
    EXPECT_EQ(p[8].value.text, "Image2Click");
}

TEST(ParseLayout, SkipsCommentsAndBlankLinesButCountsTheirLines)
{
    const LayoutObject root = ParseLayout("// a page\r\n"
                                          "\r\n"
                                          "object A: TA // the page\r\n"
                                          "  Width = 1 // one\r\n"
                                          "end\r\n");
    EXPECT_EQ(root.line, 3);
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].line, 4);
}

TEST(ParseLayout, ReportsSyntaxErrorsWithTheirLine)
{
    EXPECT_EQ(SyntaxErrorLine(""), 1);
    EXPECT_EQ(SyntaxErrorLine("\n\nobject A: TA\n  Width 5\nend"), 4);       // no '='
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  Caption = 'open\nend"), 2);   // string not closed
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  Width = 5\n"), 3);            // no 'end'
    EXPECT_EQ(SyntaxErrorLine("object A TA\nend"), 1);                         // no ':'
    EXPECT_EQ(SyntaxErrorLine("object A: TA\nend\nobject B: TB\nend"), 3);   // two roots
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  Width = 12px\nend"), 2);      // malformed number
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  Width = $\nend"), 2);
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  Width = 99999999999\nend"), 2);
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  S = [a b]\nend"), 2);
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  S = [a,\n]\nend"), 3);
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  = 5\nend"), 2);
    EXPECT_EQ(SyntaxErrorLine("object A: TA\n  X = end\nend"), 2);
    EXPECT_EQ(SyntaxErrorLine("object A.B: TA\nend"), 1);
}

TEST(ParseLayout, SyntaxErrorsSayWhatWasExpectedAndFound)
{
    EXPECT_EQ(SyntaxErrorText("object A: TA\n  Width 5\nend"), "line 2: expected '=', found 5");
    EXPECT_EQ(SyntaxErrorText("object A: TA\n"), "line 2: expected a property, 'object' or 'end', found the end of the layout");
    EXPECT_EQ(SyntaxErrorText("object A: TA\n  C = 'x\n"), "line 2: unterminated string");
}
