#include "ui/Placement.h"
#include "ui/Rounding.h"

#include <gtest/gtest.h>

using ui::RoundHalfToEven;

TEST(RoundHalfToEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfToEven(195.5), 196);
    EXPECT_EQ(RoundHalfToEven(196.5), 196);
    EXPECT_EQ(RoundHalfToEven(0.5), 0);
    EXPECT_EQ(RoundHalfToEven(1.5), 2);
    EXPECT_EQ(RoundHalfToEven(-0.5), 0);
    EXPECT_EQ(RoundHalfToEven(-1.5), -2);
    EXPECT_EQ(RoundHalfToEven(-2.5), -2);
}

TEST(RoundHalfToEven, EveryHalfInARangeLandsOnAnEvenNumberNextToIt)
{
    for (int whole = -2000; whole <= 2000; ++whole) {
        const int rounded = RoundHalfToEven(whole + 0.5);
        ASSERT_EQ(rounded % 2, 0) << whole;
        ASSERT_TRUE(rounded == whole || rounded == whole + 1) << whole;
    }
}

TEST(RoundHalfToEven, OtherFractionsGoToTheNearestInteger)
{
    EXPECT_EQ(RoundHalfToEven(2.4999), 2);
    EXPECT_EQ(RoundHalfToEven(2.5001), 3);
    EXPECT_EQ(RoundHalfToEven(-2.6), -3);
    EXPECT_EQ(RoundHalfToEven(7.0), 7);
    EXPECT_EQ(RoundHalfToEven(-7.0), -7);
}

TEST(RoundHalfToEven, CentresTheInstallButtonOnTheOptionsPage)
{
    // (page width - button width) / 2 for every page width a screen may give.
    for (int width = 197; width < 4000; ++width) {
        const int left = RoundHalfToEven((width - 197) / 2.0);
        if ((width - 197) % 2 == 0)
            ASSERT_EQ(left, (width - 197) / 2);
        else
            ASSERT_EQ(left % 2, 0) << width;
    }
    EXPECT_EQ(RoundHalfToEven((588 - 197) / 2.0), 196);
}

TEST(CentredOn, CentresWithTruncationAndNeverLeavesTheTopLeft)
{
    EXPECT_EQ(ui::CentredOn(1280, 1024, 588, 400), (ui::Point{346, 312}));
    EXPECT_EQ(ui::CentredOn(1281, 1025, 588, 400), (ui::Point{346, 312}));
    EXPECT_EQ(ui::CentredOn(1280, 1024, 588, 358), (ui::Point{346, 333}));
    EXPECT_EQ(ui::CentredOn(500, 300, 588, 400), (ui::Point{0, 0}));
    EXPECT_EQ(ui::CentredOn(3840, 1080, 588, 550), (ui::Point{1626, 265}));
}
