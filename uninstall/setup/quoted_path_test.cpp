#include <gtest/gtest.h>
#include "uninstall/common/join_path.h"
#include "uninstall/setup/quoted_path.h"

TEST(QuotedPath, BlankMeansQuotesSoNoShorterProgramIsStarted) {
    char out[64];
    EXPECT_TRUE(QuotePath(out, sizeof out, "C:\\Program Files\\Zelkova\\uninstall.exe", false));
    EXPECT_STREQ("\"C:\\Program Files\\Zelkova\\uninstall.exe\"", out);
    EXPECT_TRUE(QuotePath(out, sizeof out, "C:\\Zelkova\\uninstall.exe", false));
    EXPECT_STREQ("C:\\Zelkova\\uninstall.exe", out);
    EXPECT_TRUE(QuotePath(out, sizeof out, "C:\\Zelkova\\Zelkova.exe", true));
    EXPECT_STREQ("\"C:\\Zelkova\\Zelkova.exe\"", out);
}

TEST(QuotedPath, CommandThatDoesNotFitIsRefused) {
    char out[8];
    EXPECT_FALSE(QuotePath(out, sizeof out, "C:\\a b.exe", false));
    EXPECT_STREQ("", out);
    EXPECT_TRUE(QuotePath(out, sizeof out, "C:\\a.ex", false)); // exactly fits
    EXPECT_FALSE(QuotePath(out, sizeof out, "C:\\a.ex", true));
}

TEST(JoinPath, AddsOneBackslashAndRefusesWhatDoesNotFit) {
    char out[16];
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\dir", "a.lnk"));
    EXPECT_STREQ("C:\\dir\\a.lnk", out);
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\", "a.lnk"));
    EXPECT_STREQ("C:\\a.lnk", out);
    EXPECT_TRUE(JoinPath(out, sizeof out, out, "b")); // in place
    EXPECT_STREQ("C:\\a.lnk\\b", out);
    EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\folder", "name.lnk")); // 19 bytes
    EXPECT_STREQ("", out);
    EXPECT_TRUE(JoinPath(out, sizeof out, "C:\\folder", "name.")); // 16 with terminator
    EXPECT_FALSE(JoinPath(out, sizeof out, "C:\\folder", "name.l"));
}
