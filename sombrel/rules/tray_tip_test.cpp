#include "sombrel/rules/tray_tip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(TrayTip, TextThenNulThenSpacesToTheEnd) {
    char tip[64];
    std::memset(tip, 'x', sizeof tip);
    FillTrayTip("Ostrel tray icon program", tip, sizeof tip);
    EXPECT_STREQ("Ostrel tray icon program", tip);
    EXPECT_EQ(std::string(64 - 25, ' '), std::string(tip + 25, 64 - 25));
}

TEST(TrayTip, LongTextIsCutSoItsNulFits) {
    char tip[8];
    FillTrayTip("0123456789", tip, sizeof tip);
    EXPECT_STREQ("0123456", tip);

    FillTrayTip("0123456", tip, sizeof tip); // exactly fills the field
    EXPECT_STREQ("0123456", tip);

    FillTrayTip("", tip, sizeof tip);
    EXPECT_EQ(std::string("\0       ", 8), std::string(tip, 8));
}
