#include "uninstall/localisation/array.h"
#include <gtest/gtest.h>
#include <climits>

namespace {

TEST(Array, GrowsByAQuarterPlus32AndKeepsValues) {
    Array<int> a;
    EXPECT_EQ(0, a.capacity);
    a.Push(7);
    EXPECT_EQ(32, a.capacity);
    for (int i = 1; i < 33; ++i)
        a.Push(i);
    EXPECT_EQ(33, a.count);
    EXPECT_EQ(32 + 8 + 32, a.capacity);
    EXPECT_EQ(7, a.items[0]);
    EXPECT_EQ(32, a.items[32]);
    a.Add(1000);
    EXPECT_EQ(1033, a.count);
    EXPECT_EQ(1033, a.capacity); // raised to the count when the step is too small
}

TEST(ArrayDeathTest, GrowthBeyondMemoryEndsWithCode8) {
    Array<int> a;
    a.Push(1);
    EXPECT_EXIT(a.Add(INT_MAX), testing::ExitedWithCode(8), "out of memory");
    EXPECT_EXIT(a.Add(-1), testing::ExitedWithCode(8), "out of memory");
}

} // namespace
