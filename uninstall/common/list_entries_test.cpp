#include "uninstall/common/list_entries.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "uninstall/common/file.h"

namespace {

class ListFile : public ::testing::Test {
  protected:
    std::string path;

    void SetUp() override {
        char name[] = "/tmp/zk-list-XXXXXX";
        int fd = mkstemp(name);
        ASSERT_GE(fd, 0);
        close(fd);
        path = name;
    }
    void TearDown() override { std::remove(path.c_str()); }

    // The entries a reader gives for the bytes, in two passes.
    std::vector<std::string> Entries(const std::string& bytes, int passes = 1,
                                     const LeadByteTable& lead = LeadBytes) {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
        File file;
        EXPECT_TRUE(file.Open(path.c_str()));
        ListReader reader(file, lead);
        std::vector<std::string> result;
        for (int pass = 0; pass < passes; ++pass) {
            reader.Rewind();
            while (const char* entry = reader.Next())
                result.push_back(entry);
        }
        return result;
    }
};

using Strings = std::vector<std::string>;

TEST_F(ListFile, LinesAreTrimmedOnTheRightAndBlankLinesSkipped) {
    EXPECT_EQ(Entries("a.exe\r\n\r\n  lead.txt \t\r\nsub\\b.dll\n\n \t \nlast"),
              (Strings{"a.exe", "  lead.txt", "sub\\b.dll", "last"}));
    EXPECT_EQ(Entries(""), Strings{});
    EXPECT_EQ(Entries("\r\n\n \r\n"), Strings{});
}

TEST_F(ListFile, RewindStartsEveryPassAtTheFirstLine) {
    EXPECT_EQ(Entries("one\r\ntwo\r\n", 3), (Strings{"one", "two", "one", "two", "one", "two"}));
}

TEST_F(ListFile, LongLinesAreTakenAsSeveralEntriesOf2047Bytes) {
    std::string longLine(2047, 'x');
    EXPECT_EQ(Entries(longLine + "\r\nnext\r\n"), (Strings{longLine, "next"}));
    // 2,048 bytes: the last one spills into an entry of its own, and so
    // does a line end that falls just behind the buffer.
    EXPECT_EQ(Entries(longLine + "y\r\n"), (Strings{longLine, "y"}));
    std::string over(5000, 'z');
    EXPECT_EQ(Entries(over + "\n"),
              (Strings{std::string(2047, 'z'), std::string(2047, 'z'), std::string(906, 'z')}));
}

TEST_F(ListFile, TheReadersTableDecidesWhatIsTrimmedAndSkipped) {
    const std::string bytes = "ab\x81 \r\n\x81/..\r\n";
    EXPECT_EQ(Entries(bytes, 1, LeadByteTable::ForCodePage(936)), (Strings{"ab\x81 ", "\x81/.."}));
    EXPECT_EQ(Entries(bytes, 1, LeadByteTable::ForCodePage(1252)), Strings{"ab\x81"});
}

TEST_F(ListFile, EntriesReachingOutsideTheFolderAreSkipped) {
    EXPECT_EQ(Entries("C:\\Windows\\win.ini\r\n"
                      "c:boot.ini\r\n"
                      "\\Windows\r\n"
                      "/etc\r\n"
                      "\\\\server\\share\\x\r\n"
                      "..\r\n"
                      "..\\other\\file\r\n"
                      "sub\\..\\..\\up\r\n"
                      "sub/../../up\r\n"
                      ". .\\x\r\n"
                      "...\\x\r\n"
                      "kept.dll\r\n"
                      "sub\\..x\\kept\r\n"
                      ".hidden\r\n"),
              (Strings{"kept.dll", "sub\\..x\\kept", ".hidden"}));
}

TEST(ListEntrySafety, TrailBytesEqualToSeparatorsOrColonAreCharactersNotSeparators) {
    LeadByteTable gbk = LeadByteTable::ForCodePage(936);
    // 0x81 0x5C is one character; followed by "..": "X\.." would climb if
    // the trail byte were taken as a backslash.
    EXPECT_TRUE(IsSafeListEntry("\x81\\..", gbk));
    EXPECT_FALSE(IsSafeListEntry("\x81\\\\..", gbk));  // a real backslash follows
    EXPECT_TRUE(IsSafeListEntry("\xB3\x3A.txt", gbk)); // trail byte 0x3A is no drive colon
    EXPECT_FALSE(IsSafeListEntry("\xB3\x3A.txt", LeadByteTable::ForCodePage(1252)));
}

TEST(ListEntrySafety, InvalidSecondBytesSlashColonAndDotStayWithTheirLeadByte) {
    // '/', ':' and '.' are no valid second bytes in code page 936, but the
    // system's ANSI file functions still take a lead byte and the byte after
    // it as one character (it becomes the default character '?'), so the
    // check reads them the same way: never as a separator, colon or dot.
    LeadByteTable gbk = LeadByteTable::ForCodePage(936);
    LeadByteTable single = LeadByteTable::ForCodePage(1252);
    struct Case {
        const char* entry;
        bool gbkSafe;
        bool singleSafe;
    } cases[] = {
        {"\x81/..", true, false},    // "?..", not a climb
        {"a\x81/../b", true, false}, // "a?..\b"
        {"\x81/\\..", false, false}, // a real backslash, then a climb
        {"\x81:x", true, false},     // no drive
        {"a\x81:", true, false},
        {".\x81.", true, true}, // ".?" is no climb
        {"..\x81.\\x", true, true},
        {"\x81.\\..", false, false}, // the pair ends, then a real climb
        {"\x81", true, true},        // a lone lead byte at the end is one byte
        {"/\x81", false, false},     // a leading separator is refused before any pair
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.gbkSafe, IsSafeListEntry(c.entry, gbk)) << c.entry;
        EXPECT_EQ(c.singleSafe, IsSafeListEntry(c.entry, single)) << c.entry;
    }
}

TEST(JoinListEntry, JoinsOrRefusesWhatDoesNotFit) {
    char out[16];
    EXPECT_TRUE(JoinListEntry(out, sizeof out, "C:\\Zkv\\", "a.dll"));
    EXPECT_STREQ(out, "C:\\Zkv\\a.dll");
    EXPECT_TRUE(JoinListEntry(out, sizeof out, "C:\\Zkv\\", "12345678")); // 15 bytes
    EXPECT_FALSE(JoinListEntry(out, sizeof out, "C:\\Zkv\\", "123456789"));
    EXPECT_STREQ(out, "");
}

} // namespace
