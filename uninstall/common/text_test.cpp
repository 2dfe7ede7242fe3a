#include "uninstall/common/text.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

const LeadByteTable Gbk = LeadByteTable::ForCodePage(936);

TEST(CopyWhole, FitsOrLeavesEmpty) {
    char buffer[4] = "zzz";
    EXPECT_TRUE(CopyWhole(buffer, sizeof buffer, "abc"));
    EXPECT_STREQ("abc", buffer);
    EXPECT_FALSE(CopyWhole(buffer, sizeof buffer, "abcd"));
    EXPECT_STREQ("", buffer);
    EXPECT_FALSE(CopyWhole(buffer, 0, "a"));
}

TEST(CopyCut, NeverSplitsATwoByteCharacter) {
    char buffer[4];
    CopyCut(buffer, sizeof buffer, "abcdef", Gbk);
    EXPECT_STREQ("abc", buffer);
    CopyCut(buffer, sizeof buffer, "a\xD6\xD0\xCE\xC4", Gbk); // a + two characters
    EXPECT_STREQ("a\xD6\xD0", buffer);
    CopyCut(buffer, sizeof buffer, "ab\xD6\xD0", Gbk);
    EXPECT_STREQ("ab", buffer);
    CopyCut(buffer, 1, "abc", Gbk);
    EXPECT_STREQ("", buffer);
}

TEST(CopyCut, InPlaceAndDanglingLeadByte) {
    char buffer[8] = "abcdef";
    CopyCut(buffer, 4, buffer, Gbk);
    EXPECT_STREQ("abc", buffer);
    char dangling[8] = "ab\xD6";
    char out[8];
    CopyCut(out, sizeof out, dangling, Gbk);
    EXPECT_STREQ(dangling, out);
}

TEST(CutLength, WithinALength) {
    const char s[] = "\xD6\xD0\xCE\xC4";
    EXPECT_EQ(2u, CutLength(s, 4, 3, Gbk));
    EXPECT_EQ(4u, CutLength(s, 4, 4, Gbk));
    EXPECT_EQ(0u, CutLength(s, 4, 1, Gbk));
    EXPECT_EQ(3u, CutLength(s, 3, 3, Gbk)); // the length itself fits
}

} // namespace
