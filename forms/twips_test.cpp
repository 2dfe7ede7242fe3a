#include "forms/twips.h"

#include <gtest/gtest.h>

TEST(Twips, FifteenToThePixelAt96Dpi) {
    EXPECT_EQ(286, TwipsToPixels(4290, 96));
    EXPECT_EQ(191, TwipsToPixels(2865, 96));
    EXPECT_EQ(505, TwipsToPixels(7575, 96));
}

TEST(Twips, OtherResolutionsRoundToNearest) {
    EXPECT_EQ(24, TwipsToPixels(285, 120)); // 23.75
    EXPECT_EQ(0, TwipsToPixels(7, 96));
    EXPECT_EQ(1, TwipsToPixels(8, 96));
    EXPECT_EQ(-1, TwipsToPixels(-8, 96));
}
