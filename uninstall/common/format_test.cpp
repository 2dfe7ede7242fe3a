#include "uninstall/common/format.h"
#include <gtest/gtest.h>

namespace {

TEST(FormatWhole, FitsExactlyWithItsTerminator) {
    char buffer[8] = "zzzzzzz";
    EXPECT_TRUE(FormatWhole(buffer, sizeof buffer, "%s\\%s", "abc", "def"));
    EXPECT_STREQ("abc\\def", buffer);
}

TEST(FormatWhole, OneByteShortLeavesEmpty) {
    char buffer[8] = "zzzzzzz";
    EXPECT_FALSE(FormatWhole(buffer, sizeof buffer, "%s-%d", "abcde", 12));
    EXPECT_STREQ("", buffer);
    char spare[9] = "zzzzzzzz";
    EXPECT_TRUE(FormatWhole(spare, sizeof spare, "%s-%d", "abcde", 12));
    EXPECT_STREQ("abcde-12", spare);
}

TEST(FormatWhole, EmptyResultAndTinyBuffers) {
    char buffer[4] = "zzz";
    EXPECT_TRUE(FormatWhole(buffer, sizeof buffer, "%s", ""));
    EXPECT_STREQ("", buffer);
    buffer[0] = 'z';
    EXPECT_TRUE(FormatWhole(buffer, 1, "%s", ""));
    EXPECT_STREQ("", buffer);
    buffer[0] = 'z';
    EXPECT_FALSE(FormatWhole(buffer, 1, "*"));
    EXPECT_STREQ("", buffer);
    buffer[0] = 'z';
    EXPECT_FALSE(FormatWhole(buffer, 0, "*"));
    EXPECT_EQ('z', buffer[0]); // nothing written into no room
}

TEST(FormatWhole, HexWithLeadingZeros) {
    char key[16];
    EXPECT_TRUE(FormatWhole(key, sizeof key, "%08x", 0x2Au));
    EXPECT_STREQ("0000002a", key);
    EXPECT_TRUE(FormatWhole(key, sizeof key, "%08x", 0xDEADBEEFu));
    EXPECT_STREQ("deadbeef", key);
    EXPECT_FALSE(FormatWhole(key, 8, "%08x", 0u));
    EXPECT_STREQ("", key);
}

TEST(FormatWhole, TwoDigitNumbers) {
    char extension[8];
    EXPECT_TRUE(FormatWhole(extension, sizeof extension, ".z%02d", 0));
    EXPECT_STREQ(".z00", extension);
    EXPECT_TRUE(FormatWhole(extension, sizeof extension, ".z%02d", 99));
    EXPECT_STREQ(".z99", extension);
    EXPECT_TRUE(FormatWhole(extension, sizeof extension, "%d", -5));
    EXPECT_STREQ("-5", extension);
}

TEST(FormatWhole, PercentSigns) {
    char buffer[16];
    EXPECT_TRUE(FormatWhole(buffer, sizeof buffer, "\"%s\" \"%%1\"", "a b"));
    EXPECT_STREQ("\"a b\" \"%1\"", buffer);
    EXPECT_TRUE(FormatWhole(buffer, sizeof buffer, "%%s"));
    EXPECT_STREQ("%s", buffer);
    EXPECT_FALSE(FormatWhole(buffer, 2, "%%%%"));
    EXPECT_STREQ("", buffer);
}

TEST(FormatWhole, TextArgumentIsNotAFormat) {
    char buffer[16];
    EXPECT_TRUE(FormatWhole(buffer, sizeof buffer, "%s.lnk", "100%d"));
    EXPECT_STREQ("100%d.lnk", buffer);
}

} // namespace
