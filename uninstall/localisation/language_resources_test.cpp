#include "uninstall/localisation/language_resources.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/paths.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

namespace {

const LeadByteTable Gbk = LeadByteTable::ForCodePage(936);
const std::string Marker = "***messages***";
const char AbcKey[] = "92ab48be"; // kind "s", text "abc"

// A table file in /tmp, removed with the object.
class TableFile {
  public:
    char path[64];
    explicit TableFile(const std::string& contents) {
        std::snprintf(path, sizeof path, "/tmp/zk-lng-XXXXXX");
        const int fd = mkstemp(path);
        EXPECT_EQ(static_cast<ssize_t>(contents.size()),
                  write(fd, contents.data(), contents.size()));
        close(fd);
    }
    ~TableFile() { unlink(path); }
};

// The translation of "abc" (kind "s") from a table made of contents.
std::string TranslateAbc(const std::string& contents, std::size_t destSize = 1024) {
    TableFile file(contents);
    LanguageResources table;
    table.ReadTable(file.path);
    char dest[1024];
    table.Translate(dest, destSize, "abc", nullptr, LanguageResources::String, Gbk);
    return dest;
}

std::string Filler(std::size_t n) {
    return std::string(n, 'x');
}

TEST(ReadTable, MarkerWithinTheSearchedWindowsOnly) {
    const std::string entry = "\n92ab48be=\"xyz\"\n";
    EXPECT_EQ("xyz", TranslateAbc(Filler(130816) + Marker + entry));
    EXPECT_EQ("abc", TranslateAbc(Filler(130817) + Marker + entry));
    // A marker split across the first 8192-byte read.
    EXPECT_EQ("xyz", TranslateAbc(Filler(8185) + Marker + entry));
    EXPECT_EQ("xyz", TranslateAbc(Filler(8190) + Marker + entry));
    EXPECT_EQ("xyz", TranslateAbc("**" + Marker + entry)); // more than two asterisks
    EXPECT_EQ("abc", TranslateAbc("**messages**" + entry));
}

TEST(ReadTable, NoTableWithoutFileMarkerOrSixteenBytes) {
    LanguageResources table;
    table.ReadTable("/nonexistent/uninstall.lng");
    EXPECT_FALSE(table.IsLoaded());
    {
        TableFile file("no marker here\n92ab48be=\"xyz\"\n");
        table.ReadTable(file.path);
        EXPECT_FALSE(table.IsLoaded());
    }
    {
        TableFile file("***messages**ab"); // 15 bytes from the first asterisk
        table.ReadTable(file.path);
        EXPECT_FALSE(table.IsLoaded());
    }
    {
        TableFile file("***messages**abc");
        table.ReadTable(file.path);
        EXPECT_TRUE(table.IsLoaded());
        EXPECT_EQ(16, table.size);
    }
}

TEST(ReadTable, OnlyTheFirst65536BytesFromTheMarker) {
    std::string contents = Marker + "\n";
    const std::string inside = "92ab48be=\"in\"\n";
    contents += Filler(65536 - contents.size() - inside.size() - 1) + "\n";
    contents += inside;
    contents += "bd8ed7b5=\"beyond\"\n"; // kind "s", text "def"
    TableFile file(contents);
    LanguageResources table;
    table.ReadTable(file.path);
    EXPECT_EQ(65536, table.size);
    char dest[64];
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String);
    EXPECT_STREQ("in", dest);
    table.Translate(dest, sizeof dest, "def", nullptr, LanguageResources::String);
    EXPECT_STREQ("def", dest);
}

TEST(ReadTable, BareNameIsLookedUpNextToTheProgram) {
    char path[1024];
    ASSERT_TRUE(GetProgramPath(path, sizeof path));
    std::snprintf(NamePart(path), sizeof path - (NamePart(path) - path), "zk-beside.lng");
    FILE* out = std::fopen(path, "wb");
    ASSERT_NE(nullptr, out);
    std::fputs("***messages***\n92ab48be=\"beside\"\n", out);
    std::fclose(out);
    LanguageResources table;
    table.ReadTable("zk-beside.lng");
    std::remove(path);
    char dest[64];
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String);
    EXPECT_STREQ("beside", dest);
}

TEST(Translate, EscapesAndQuotes) {
    const std::string head = Marker + "\n" + AbcKey + "=\"";
    EXPECT_EQ("a\"b", TranslateAbc(head + "a\\\"b\"\n"));
    EXPECT_EQ("a\"b\"c", TranslateAbc(head + "a\"b\"c\" ignored\n")); // inner quotes survive
    EXPECT_EQ("one\ntwo\r\tthree\\", TranslateAbc(head + "one\\ntwo\\r\\tthree\\\\\"\n"));
    EXPECT_EQ("\\x\\", TranslateAbc(head + "\\x\\"));              // other letters, last backslash
    EXPECT_EQ("open", TranslateAbc(head + "open\nnext line\"\n")); // no closing quote
    EXPECT_EQ("", TranslateAbc(Marker + "\n92ab48be=\nzzzzzzzz=\"q\"\n")); // shorter than 10
    EXPECT_EQ("cut", TranslateAbc(head + "cut\"" + std::string(1, '\0') + "\n" + AbcKey));
}

TEST(Translate, LineEndsAndKeyCase) {
    for (const char* end : {"\n", "\r", "\r\n", "\n\n\r\n\r"}) {
        const std::string contents = Marker + end + "00000000=\"zero\"" + end + AbcKey +
                                     "=\"xyz\"" + end + "ffffffff=\"ff\"" + end;
        EXPECT_EQ("xyz", TranslateAbc(contents)) << static_cast<int>(end[0]);
    }
    EXPECT_EQ("abc", TranslateAbc(Marker + "\n92AB48BE=\"upper\"\n"));
}

TEST(Translate, LastLineWithoutEndGivesAtMost255Bytes) {
    const std::string head = Marker + "\n" + AbcKey + "=\"";
    EXPECT_EQ(std::string(255, 'v'), TranslateAbc(head + std::string(300, 'v')));
    EXPECT_EQ(std::string(100, 'v'), TranslateAbc(head + std::string(100, 'v')));
    // The 255 bytes never end inside a two-byte character.
    std::string dbcs;
    for (int i = 0; i < 200; ++i)
        dbcs += "\xD6\xD0";
    EXPECT_EQ(254u, TranslateAbc(head + dbcs).size());
}

TEST(Translate, CutsToTheDestinationWithoutSplittingCharacters) {
    const std::string head = Marker + "\n" + AbcKey + "=\"";
    EXPECT_EQ("\xD6\xD0", TranslateAbc(head + "\xD6\xD0\xCE\xC4\"\n", 4));
    EXPECT_EQ("\xD6\xD0\xCE\xC4", TranslateAbc(head + "\xD6\xD0\xCE\xC4\"\n", 5));
    EXPECT_EQ("", TranslateAbc(head + "long\"\n", 1));
    // Quotes are judged on the whole line, before the cut.
    EXPECT_EQ("a\"", TranslateAbc(head + "a\"b\"\n", 3));

    LanguageResources none;
    char dest[4];
    none.Translate(dest, sizeof dest, "\xD6\xD0\xCE\xC4", nullptr, LanguageResources::String, Gbk);
    EXPECT_STREQ("\xD6\xD0", dest);
}

TEST(Translate, QuoteAsSecondByteDoesNotEndTheText) {
    const std::string head = Marker + "\n" + AbcKey + "=\"";
    // "\x81\"" is one character: the text ends at the last quote that starts one.
    EXPECT_EQ("ab", TranslateAbc(head + "ab\"\x81\"\n"));
    EXPECT_EQ("\xD6\xD0\x81\"", TranslateAbc(head + "\xD6\xD0\x81\"\n"));
    EXPECT_EQ("\x81\x81", TranslateAbc(head + "\x81\x81\"\n")); // a pair of lead bytes
    EXPECT_EQ("a\x81", TranslateAbc(head + "a\x81"));           // lone lead byte at the end
    // With a single-byte table every quote byte counts.
    TableFile file(head + "ab\"\x81\"\n");
    LanguageResources table;
    table.ReadTable(file.path);
    char dest[16];
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String,
                    LeadByteTable::ForCodePage(1252));
    EXPECT_STREQ("ab\"\x81", dest);
}

TEST(Translate, KindsSectionsAndInPlace) {
    TableFile file(Marker + "\n" + AbcKey + "=\"string\"\n" +
                   "50a17ae8=\"RTL\"\n"     // "$" "LTR" "LTR"
                   "9b889d24=\"120*110\"\n" // "$" "SETUPDLG" ""
    );
    LanguageResources table;
    table.ReadTable(file.path);
    char text[16] = "abc";
    table.Translate(text, sizeof text, text, nullptr, LanguageResources::String);
    EXPECT_STREQ("string", text);
    std::snprintf(text, sizeof text, "abc");
    table.Translate(text, sizeof text, text, nullptr, LanguageResources::Dialog);
    EXPECT_STREQ("abc", text);
    table.Translate(text, sizeof text, "", "SETUPDLG", LanguageResources::Dialog);
    EXPECT_STREQ("120*110", text);
    table.Translate(text, sizeof text, "", "DONEDLG", LanguageResources::Dialog);
    EXPECT_STREQ("", text);
    table.DetectDirection(false);
    EXPECT_TRUE(table.rtl);
}

TEST(DetectDirection, DialogResourceOrDirectionEntry) {
    LanguageResources none;
    none.DetectDirection(false);
    EXPECT_FALSE(none.rtl);
    none.DetectDirection(true);
    EXPECT_TRUE(none.rtl);

    TableFile ltr(Marker + "\n50a17ae8=\"rtl\"\n");
    LanguageResources table;
    table.ReadTable(ltr.path);
    table.DetectDirection(false);
    EXPECT_FALSE(table.rtl); // compared case-sensitively
}

TEST(Find, SortedIndexAndLinearFallBack) {
    std::string contents = Marker + "\n";
    char line[32];
    for (int i = 0; i < 300; ++i) {
        std::snprintf(line, sizeof line, "%08x=\"v%d\"\n", i * 0x01234567u, i);
        contents += line;
    }
    contents += "92ab48be no equals sign\n";
    TableFile file(contents);
    LanguageResources table;
    table.ReadTable(file.path);
    ASSERT_EQ(301, table.lines.count);
    for (int i = 0; i < 300; ++i) {
        char key[16];
        std::snprintf(key, sizeof key, "%08x", i * 0x01234567u);
        const char* found = table.FindSorted(key);
        ASSERT_NE(nullptr, found) << key;
        EXPECT_EQ(found, table.FindLinear(key));
    }
    // Bisection compares the key only; the walk also wants "=" and a quote.
    EXPECT_NE(nullptr, table.FindSorted(AbcKey));
    EXPECT_EQ(nullptr, table.FindLinear(AbcKey));
    EXPECT_EQ(nullptr, table.FindSorted("ffffffff"));

    // Lines left out of the index are still found by the walk.
    table.lines.count = 0;
    char dest[16];
    char key0[16];
    std::snprintf(key0, sizeof key0, "%08x", 299 * 0x01234567u);
    EXPECT_EQ(nullptr, table.FindSorted(key0));
    EXPECT_NE(nullptr, table.FindLinear(key0));
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String);
    EXPECT_STREQ("abc", dest);
}

TEST(ReadTable, ReadingAgainDropsTheOldTable) {
    TableFile first(Marker + "\n92ab48be=\"first\"\n");
    TableFile second(Marker + "\nzzzzzzzz=\"none\"\n");
    LanguageResources table;
    table.ReadTable(first.path);
    table.ReadTable(second.path);
    char dest[16];
    table.Translate(dest, sizeof dest, "abc", nullptr, LanguageResources::String);
    EXPECT_STREQ("abc", dest);
    EXPECT_EQ(1, table.lines.count);
    table.ReadTable("/nonexistent/x.lng");
    EXPECT_FALSE(table.IsLoaded());
    EXPECT_EQ(0, table.lines.count);
}

// Any bytes at all: read, index and look up without touching memory
// outside the table (the sanitizers watch).
TEST(ReadTable, SurvivesRandomFiles) {
    std::mt19937 random(12345);
    const char alphabet[] = "*messag\\\"nrt\r\n\x0C=0123456789abcdef\xD6\x5C";
    for (int round = 0; round < 300; ++round) {
        const std::size_t length = random() % (round % 10 == 0 ? 70000 : 600);
        std::string contents;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned r = random();
            contents += (r & 0x300) ? alphabet[r % (sizeof alphabet - 1)] : static_cast<char>(r);
        }
        if (round % 2 == 0) contents.insert(random() % (contents.size() + 1), Marker);
        TableFile file(contents);
        LanguageResources table;
        table.ReadTable(file.path);
        for (int k = 0; k < table.lines.count; ++k) {
            char key[9] = {};
            std::snprintf(key, sizeof key, "%.8s", table.text + table.lines.items[k]);
            EXPECT_NE(nullptr, table.FindSorted(key));
            table.FindLinear(key);
        }
        char dest[8];
        for (const char* source : {"abc", "", "LTR"}) {
            table.Translate(dest, sizeof dest, source, "LTR", LanguageResources::Dialog, Gbk);
            table.Translate(dest, sizeof dest, source, nullptr, LanguageResources::String, Gbk);
        }
        table.DetectDirection(false);
    }
}

} // namespace
