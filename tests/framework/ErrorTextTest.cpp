#include "ui/ErrorText.h"

#include <gtest/gtest.h>

using ui::ErrorReportText;

TEST(ErrorReportText, AppendsAFullStopAfterLettersAndDigits)
{
    EXPECT_EQ(ErrorReportText("Error loading library C:\\x\\7z.dll"), "Error loading library C:\\x\\7z.dll.");
    EXPECT_EQ(ErrorReportText("Interface not supported"), "Interface not supported.");
    EXPECT_EQ(ErrorReportText("code 5"), "code 5.");
}

TEST(ErrorReportText, LeavesTextsEndingInAFullStopOrACharacterBeforeIt)
{
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText("(see log)"), "(see log)");
    EXPECT_EQ(ErrorReportText("why? "), "why? ");
    EXPECT_EQ(ErrorReportText("a-"), "a-");
    EXPECT_EQ(ErrorReportText("wow!"), "wow!");
}

TEST(ErrorReportText, EmptyTextStaysEmpty)
{
    EXPECT_EQ(ErrorReportText(""), "");
}

TEST(ErrorReportText, ChineseTextGetsAFullStop)
{
    EXPECT_EQ(ErrorReportText("找不到文件"), std::string("找不到文件") + ".");
}

TEST(ErrorReportText, DecidesByTheLastByteComparedUnsigned)
{
    for (int last = 1; last < 256; ++last) {
        const std::string text = std::string("x") + static_cast<char>(last);
        const bool appended = ErrorReportText(text).size() == text.size() + 1;
        ASSERT_EQ(appended, last > '.') << last;
    }
}
