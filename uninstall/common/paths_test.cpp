#include "uninstall/common/paths.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

const LeadByteTable Gbk = LeadByteTable::ForCodePage(936);
const LeadByteTable Single = LeadByteTable::ForCodePage(1252);

// "\xD6\x5C" (a two-byte character whose second byte is the backslash code).
const char DbcsBackslash[] = "\xD6\x5C";

TEST(NamePart, PlainPaths) {
    struct Case {
        const char* path;
        const char* name;
    } cases[] = {{"C:\\dir\\file.exe", "file.exe"},
                 {"C:\\", ""},
                 {"C:file", "file"},
                 {"file", "file"},
                 {"dir/sub/", ""},
                 {"", ""},
                 {"\\\\server\\share\\a.txt", "a.txt"}};
    for (const Case& c : cases) {
        for (const LeadByteTable* table : {&Gbk, &Single}) {
            const char* name = NamePart(c.path, *table);
            EXPECT_STREQ(c.name, name) << c.path;
            EXPECT_EQ(c.path + std::strlen(c.path) - std::strlen(c.name), name) << c.path;
        }
    }
}

TEST(NamePart, TrailByteBackslashIsNotASeparator) {
    char path[64];
    std::snprintf(path, sizeof path, "C:\\a%s\\b%s", DbcsBackslash, DbcsBackslash);
    // The name part starts after the last real backslash: "b" + the character.
    EXPECT_EQ(path + 7, NamePart(path, Gbk));
    EXPECT_STREQ("b\xD6\x5C", NamePart(path, Gbk));
    // A single-byte table sees the trail byte as a separator.
    EXPECT_STREQ("", NamePart(path, Single));
}

TEST(NamePart, LeadByteBeforeColonIsNoDrive) {
    const char path[] = "\xB0:x"; // a lead byte with ':' as its trail byte
    EXPECT_EQ(path, NamePart(path, Gbk));
    EXPECT_EQ(path + 2, NamePart(path, Single));
}

TEST(LastCharPtr, Characters) {
    const char empty[] = "";
    EXPECT_EQ(empty, LastCharPtr(empty, Gbk));
    const char ab[] = "ab";
    EXPECT_EQ(ab + 1, LastCharPtr(ab, Gbk));
    const char dbcs[] = "a\xD6\x5C";
    EXPECT_EQ(dbcs + 1, LastCharPtr(dbcs, Gbk));
    EXPECT_EQ(dbcs + 2, LastCharPtr(dbcs, Single));
    // A lead byte at the very end counts as one character of its own.
    const char dangling[] = "a\xD6";
    EXPECT_EQ(dangling + 1, LastCharPtr(dangling, Gbk));
}

TEST(NextChar, NeverPassesTheTerminator) {
    const char s[] = "\xD6";
    EXPECT_EQ(s + 1, NextChar(s, Gbk));
    const char pair[] = "\xD6\x5Cz";
    EXPECT_EQ(pair + 2, NextChar(pair, Gbk));
    EXPECT_EQ(pair + 1, NextChar(pair, Single));
}

TEST(AppendBackslash, Cases) {
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {{"C:", "C:\\"},
                 {"C:\\dir\\", "C:\\dir\\"},
                 {"", ""},
                 {"dir/", "dir/\\"},
                 {"C:\\a\xD6\x5C", "C:\\a\xD6\x5C\\"}};
    for (const Case& c : cases) {
        char buffer[32];
        std::strcpy(buffer, c.before);
        AppendBackslash(buffer, Gbk);
        EXPECT_STREQ(c.after, buffer) << c.before;
    }
    char single[32] = "C:\\a\xD6\x5C";
    AppendBackslash(single, Single);
    EXPECT_STREQ("C:\\a\xD6\x5C", single);
}

TEST(TrimRight, Cases) {
    char a[] = "abc \r\n";
    EXPECT_STREQ("abc", TrimRight(a));
    char b[] = " \t \t";
    EXPECT_STREQ("", TrimRight(b));
    char c[] = "a b";
    EXPECT_STREQ("a b", TrimRight(c));
    char d[] = "";
    EXPECT_STREQ("", TrimRight(d));
    EXPECT_EQ(a, TrimRight(a));
}

TEST(TrimRight, BlankAsSecondByteStaysWithItsLeadByte) {
    struct Case {
        const char* before;
        const char* gbk;    // trimmed with the code-page-936 table
        const char* single; // trimmed with a single-byte table
    } cases[] = {{"ab\x81 ", "ab\x81 ", "ab\x81"},
                 {"ab\x81  \r\n", "ab\x81 ", "ab\x81"},
                 {"ab\x81\t\t", "ab\x81\t", "ab\x81"},
                 {"\x81\n", "\x81\n", "\x81"},
                 {"\xB0\xA1 \x81", "\xB0\xA1 \x81", "\xB0\xA1 \x81"}, // lone lead byte last
                 {"\xB0\xA1\x81\x81 ", "\xB0\xA1\x81\x81", "\xB0\xA1\x81\x81"}};
    for (const Case& c : cases) {
        const std::size_t length = std::strlen(c.before);
        char gbk[16];
        std::memcpy(gbk, c.before, length + 1);
        EXPECT_STREQ(c.gbk, TrimRight(gbk, Gbk)) << c.before;
        // Every removed byte is zeroed, not just the first.
        for (std::size_t i = std::strlen(gbk); i < length; ++i)
            EXPECT_EQ('\0', gbk[i]) << c.before;
        char single[16];
        std::memcpy(single, c.before, length + 1);
        EXPECT_STREQ(c.single, TrimRight(single, Single)) << c.before;
    }
}

TEST(Separators, OnlyBackslashSlashAndColon) {
    for (int c = 0; c < 256; ++c) {
        EXPECT_EQ(c == '\\' || c == '/', IsSeparator(static_cast<unsigned char>(c)));
        EXPECT_EQ(c == ':', IsDriveColon(static_cast<unsigned char>(c)));
    }
}

} // namespace
