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
    EXPECT_EQ(PictureStore::Decode("glyph")->Pixels(), glyph->Pixels());
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
    EXPECT_FALSE(PictureStore::Decode("NO_SUCH_PICTURE"));
}
