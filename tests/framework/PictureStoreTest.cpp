#include "ui/PictureStore.h"

#include <gtest/gtest.h>

using ui::PictureStore;

TEST(PictureStore, DecodesEachPictureOnceAndIgnoresTheCaseOfItsName)
{
    PictureStore store;
    const auto glyph = store.Find("GLYPH");
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->Width(), 11);
    EXPECT_EQ(store.Find("glyph"), glyph);
    EXPECT_EQ(PictureStore::Read("glyph")->Pixels(), glyph->Pixels());
    EXPECT_EQ(glyph->Pixels().size(), 11u * 11u * 4u);
}

TEST(PictureStore, ACorruptPictureRaisesItsError)
{
    PictureStore store;
    EXPECT_THROW(store.Find("TRUNCATED"), ui::PngError);
}

TEST(PictureStore, NoResourceNoPicture)
{
    PictureStore store;
    EXPECT_FALSE(store.Find("NO_SUCH_PICTURE"));
    EXPECT_FALSE(PictureStore::Read("NO_SUCH_PICTURE"));
}
