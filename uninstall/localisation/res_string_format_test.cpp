#include <gtest/gtest.h>
#include "uninstall/localisation/res_string_format.h"

TEST(SingleTextFormat, ExactlyOneTextConversion) {
    EXPECT_TRUE(IsSingleTextFormat("%s"));
    EXPECT_TRUE(IsSingleTextFormat("\xc4\xe3\xd3\xa6 %s")); // GBK text before the argument
    EXPECT_TRUE(IsSingleTextFormat("100%% sure: %s"));
    EXPECT_TRUE(IsSingleTextFormat("%s%%"));
}

TEST(SingleTextFormat, AnythingElseIsRefused) {
    for (const char* bad : {"", "no argument", "%%s", "%s%s", "%s %n", "%n", "%x %s", "%d", "%5s",
                            "%-s", "%.3s", "%S", "%ls", "%s %", "%"})
        EXPECT_FALSE(IsSingleTextFormat(bad)) << bad;
}
