#include "sombrel/rules/clock_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Clock(int h, int m, int s) {
    char text[kClockTextSize];
    FormatClockText(h, m, s, text);
    return text;
}
} // namespace

TEST(ClockText, TwoDigitsEachWithLeadingZeros) {
    EXPECT_EQ("00:00:00", Clock(0, 0, 0));
    EXPECT_EQ("23:59:59", Clock(23, 59, 59));
    EXPECT_EQ("07:05:09", Clock(7, 5, 9));
    EXPECT_EQ("12:00:00", Clock(12, 0, 0));
}
