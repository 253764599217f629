#include "ui/Blend.h"

#include <gtest/gtest.h>

#include <algorithm>

using ui::BlendChannel;

TEST(BlendChannel, HalfTransparentBlackOverWhiteGives127)
{
    EXPECT_EQ(BlendChannel(0, 255, 128), 127);
}

TEST(BlendChannel, KnownValuesOfTheIntegerFormula)
{
    // (s * a + d * (255 - a) + 255) div 256
    EXPECT_EQ(BlendChannel(255, 0, 128), 128);  // (32640 + 255) / 256 = 128.5
    EXPECT_EQ(BlendChannel(255, 0, 1), 1);      // (255 + 255) / 256
    EXPECT_EQ(BlendChannel(0, 255, 254), 1);    // (255 + 255) / 256
    EXPECT_EQ(BlendChannel(100, 200, 64), 175); // (6400 + 38200 + 255) / 256 = 175.2
    EXPECT_EQ(BlendChannel(200, 100, 192), 175); // (38400 + 6300 + 255) / 256 = 175.6
}

TEST(BlendChannel, TransparentKeepsTheDestinationAndOpaqueTakesTheSource)
{
    for (int source = 0; source < 256; ++source) {
        for (int destination = 0; destination < 256; ++destination) {
            ASSERT_EQ(BlendChannel(source, destination, 0), destination);
            ASSERT_EQ(BlendChannel(source, destination, 255), source);
        }
    }
}

TEST(BlendChannel, EveryMixStaysBetweenSourceAndDestinationAndGrowsWithAlpha)
{
    for (int source = 0; source < 256; ++source) {
        for (int destination = 0; destination < 256; ++destination) {
            int previous = destination;
            for (int alpha = 1; alpha < 255; ++alpha) {
                const int mixed = BlendChannel(source, destination, alpha);
                ASSERT_GE(mixed, std::min(source, destination)) << source << " " << destination << " " << alpha;
                ASSERT_LE(mixed, std::max(source, destination)) << source << " " << destination << " " << alpha;
                // Moving towards the source as alpha grows, never back.
                if (source >= destination)
                    ASSERT_GE(mixed, previous);
                else
                    ASSERT_LE(mixed, previous);
                previous = mixed;
            }
        }
    }
}

TEST(BlendChannel, EqualSourceAndDestinationStayUnchanged)
{
    for (int value = 0; value < 256; ++value)
        for (int alpha = 0; alpha < 256; ++alpha)
            ASSERT_EQ(BlendChannel(value, value, alpha), value) << value << " " << alpha;
}

TEST(BlendRow, BlendsEachChannelInPlaceAndKeepsTheTopByte)
{
    // Source pixels as B, G, R, A.
    const std::uint8_t source[] = {
        0, 0, 0, 128,      // black, half
        10, 20, 30, 0,     // transparent
        40, 50, 60, 255,   // opaque
    };
    std::uint32_t destination[] = {0xAAFFFFFF, 0x00123456, 0x11FFFFFF};
    ui::BlendRow(source, destination, 3);
    EXPECT_EQ(destination[0], 0xAA7F7F7Fu);
    EXPECT_EQ(destination[1], 0x00123456u);
    EXPECT_EQ(destination[2], 0x113C3228u); // R 60, G 50, B 40
}

TEST(BlendRow, ChannelsAreMixedSeparately)
{
    const std::uint8_t source[] = {255, 0, 100, 64}; // B 255, G 0, R 100
    std::uint32_t destination[] = {0x00C86432};      // R 200, G 100, B 50
    ui::BlendRow(source, destination, 1);
    const std::uint32_t red = BlendChannel(100, 200, 64);
    const std::uint32_t green = BlendChannel(0, 100, 64);
    const std::uint32_t blue = BlendChannel(255, 50, 64);
    EXPECT_EQ(destination[0], red << 16 | green << 8 | blue);
}

TEST(ScaledSourceIndex, NaturalSizeMapsOneToOne)
{
    for (int size = 1; size < 40; ++size)
        for (int position = 0; position < size; ++position)
            ASSERT_EQ(ui::ScaledSourceIndex(position, size, size), position);
}

TEST(ScaledSourceIndex, ScalingRoundsToTheNearestPixelAndStaysInside)
{
    EXPECT_EQ(ui::ScaledSourceIndex(1, 10, 20), 1);  // 0.5 rounds up
    EXPECT_EQ(ui::ScaledSourceIndex(3, 10, 20), 2);  // 1.5
    EXPECT_EQ(ui::ScaledSourceIndex(2, 10, 5), 4);
    EXPECT_EQ(ui::ScaledSourceIndex(19, 10, 20), 9); // 9.5 would leave the picture
    for (int target = 1; target < 30; ++target)
        for (int position = 0; position < target; ++position) {
            const int index = ui::ScaledSourceIndex(position, 7, target);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, 7);
        }
}
