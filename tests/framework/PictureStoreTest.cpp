#include "ui/PictureStore.h"

#include <gtest/gtest.h>

using ui::PictureStore;

TEST(PictureStore, DecodesEachPictureOnceWhetherPrefetchedOrNot)
{
    PictureStore lazy;
    const auto first = lazy.Find("GLYPH");
    ASSERT_TRUE(first);
    EXPECT_EQ(first->get()->Width(), 11);
    EXPECT_EQ(lazy.Find("GLYPH")->get(), first->get());

    PictureStore prefetched;
    prefetched.Prefetch();
    prefetched.Prefetch();
    const auto glyph = prefetched.Find("GLYPH");
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->get()->Pixels(), first->get()->Pixels());
    EXPECT_EQ(prefetched.Find("glyph")->get(), glyph->get()) << "resource names ignore case";
}

TEST(PictureStore, ACorruptPictureRaisesItsErrorWhenAskedFor)
{
    for (bool prefetch : {false, true}) {
        PictureStore store;
        if (prefetch)
            store.Prefetch();
        const auto truncated = store.Find("TRUNCATED");
        ASSERT_TRUE(truncated);
        EXPECT_THROW(truncated->get(), ui::PngError);
    }
}

TEST(PictureStore, NoResourceNoPicture)
{
    PictureStore store;
    store.Prefetch();
    EXPECT_FALSE(store.Find("NO_SUCH_PICTURE"));
}
