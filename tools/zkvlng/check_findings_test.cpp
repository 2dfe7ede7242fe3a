// The checker's findings, one crafted file each with its exact message, and
// files that read as written (no finding), in the code pages they concern.
#include "tools/zkvlng/zkvlng_test_support.h"

namespace {

std::string In(unsigned codePage, const char* utf8) {
    std::string out;
    EXPECT_TRUE(CodePageOf(codePage).FromUtf8(utf8, &out)) << utf8;
    return out;
}

std::string Utf16(const std::string& ascii, bool mark) {
    std::string out = mark ? "\xFF\xFE" : "";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

struct Case {
    const char* name;
    unsigned codePage;
    std::string file;
    bool withProgram;
    std::vector<Finding> expected; // line, message, warning
};

std::vector<Case> Cases() {
    const std::string caption = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION)->key;
    const std::string title = Find(ProgramTexts(), "DONEDLG title")->key;
    const std::string scale = Find(SpecialEntries(), "DONEDLG scale")->key;
    const std::string un = In(936, "運"); // DF 5C
    const std::string sa = In(932, "能"); // 94 5C
    const std::string after = "text after the closing quote (column 16)";
    const std::string dup = "key " + caption +
                            " appears more than once (lines 3, 5); the "
                            "program uses one of lines 3, 5";
    auto backslash = [](const std::string& character, int column, const char* lead, char letter) {
        return "the character " + character + " at column " + std::to_string(column) + " (bytes " +
               lead + " 5C) ends in a backslash: the program reads it with the " + letter +
               " after it as the escape \\" + letter +
               " and shows other text; put one more backslash right after the character";
    };
    auto line = [](const std::string& key, const std::string& value) {
        return key + "=\"" + value + "\"\r\n";
    };
    return {
        {"second byte 0x5C before n",
         936,
         Head + line(caption, In(936, "祝您好") + un + "n ok"),
         true,
         {{3, backslash(un, 17, "DF", 'n'), false}}},
        {"second byte 0x5C before the closing quote",
         936,
         Head + line(caption, In(936, "祝您好") + un),
         true,
         {{3, backslash(un, 17, "DF", '"'), false}}},
        {"second byte 0x5C in code page 932",
         932,
         Head + line("12345678", sa),
         false,
         {{3, backslash(sa, 11, "94", '"'), false}}},
        {"a quote after the closing quote",
         936,
         Head + caption + "=\"Hello\" ; was \"Hi\"\r\n",
         true,
         {{3,
           after + ": the program takes the translation up to the last quote of the line, so "
                   "that text shows on screen",
           false}}},
        {"a doubled closing quote",
         936,
         Head + caption + "=\"Hello\"\"\r\n",
         true,
         {{3,
           after + ": the program takes the translation up to the last quote of the line, so "
                   "that text shows on screen",
           false}}},
        {"a comment after the closing quote",
         936,
         Head + caption + "=\"Hello\" ; note\r\n",
         true,
         {{3,
           after + " is ignored by the program; put a comment on a line of its own, starting "
                   "with ;",
           true}}},
        {"a long last line without line end",
         936,
         Head + title + "=\"" + std::string(312, 'x') + "\"",
         true,
         {{3,
           "the last line has no line end: the program takes at most 255 bytes of it and cuts "
           "the translation to 255 bytes; end the line with a line break",
           false}}},
        {"a form feed, which the program takes for a line end",
         936,
         Head + line(caption, "ab\fcd"),
         true,
         {{3, "the program reads this translation as \"ab\", not as written", false}}},
        {"a scale outside 1 to 1000",
         936,
         Head + line(scale, "0*5"),
         false,
         {{3,
           "the scale of DONEDLG \"0*5\" reads as 0*5, outside 1 to 1000: the program leaves "
           "the dialog as it is",
           false}}},
        {"UTF-16 with a byte-order mark",
         936,
         Utf16(Head + line(caption, "x"), true),
         true,
         {{0, "this file is UTF-16; save it in code page 936", false}}},
        {"UTF-16 without one",
         1255,
         Utf16(Head + line(caption, "x"), false),
         true,
         {{0, "this file is UTF-16; save it in code page 1255", false}}},
        {"UTF-8",
         936,
         Head + line(caption, "卸载"),
         true,
         {{0, "this file is UTF-8; save it in code page 936", false}}},
        {"UTF-8 with its signature",
         949,
         "\xEF\xBB\xBF" + Head + line(caption, "안녕"),
         true,
         {{0, "this file is UTF-8; save it in code page 949", false}}},
        {"a UTF-8 signature before a file in the code page",
         936,
         "\xEF\xBB\xBF" + Head + line(caption, In(936, "卸载")),
         true,
         {{1,
           "the file starts with a UTF-8 signature; the program skips it with everything "
           "before the marker line, but save the file in code page 936 without it",
           true}}},
        {"duplicates that differ",
         936,
         Head + line(caption, "one") + "; x\r\n" + line(caption, "two"),
         true,
         {{5, dup, false}}},
        {"duplicates that say the same",
         936,
         Head + line(caption, "one") + "; x\r\n" + line(caption, "one"),
         true,
         {{5, dup + "; they say the same", true}}},
        {"a key of texts the code page cannot spell",
         1252,
         Head + line("07b5ccfe", "Help"),
         true,
         {{3,
           "key 07b5ccfe stands for string 5102 and string 5109, which code page 1252 cannot "
           "spell: the program reads \"Zelkova ????\" and translates every text that reads so "
           "alike; a language library translates them one by one",
           true}}},
        // Read as written.
        {"a second byte 0x5C doubled, as the template writes it",
         936,
         Head + line(caption, un + "\\" + In(936, "動")),
         true,
         {}},
        {"a second byte 0x5C before an ordinary letter",
         936,
         Head + line(caption, un + "A"),
         true,
         {}},
        {"second bytes 0x5C in code page 932",
         932,
         Head + line("12345678", In(932, "ソフト表示")),
         false,
         {}},
        {"a scale with percent signs", 936, Head + line(scale, "115%*100%"), false, {}},
        {"a scale with a blank first", 936, Head + line(scale, " 115*100"), false, {}},
        {"a short last line without line end", 936, Head + title + "=\"Done\"", true, {}},
        {"blanks after the closing quote", 936, Head + caption + "=\"Hello\"  \r\n", true, {}},
    };
}

TEST(CheckFindings, EachFaultWithItsMessageAndLine) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const std::vector<Finding> found = Check(c.file, c.withProgram, nullptr, c.codePage);
        ASSERT_EQ(c.expected.size(), found.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(c.expected[i].line, found[i].line);
            EXPECT_EQ(c.expected[i].message, found[i].message);
            EXPECT_EQ(c.expected[i].warning, found[i].warning);
        }
    }
}

// What the program shows for the crafted 0x5C and last-line files, by its
// own look-up: the checker flags exactly the values that show otherwise.
TEST(CheckFindings, AgreeWithWhatTheProgramReads) {
    const SourceText* caption = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    const std::string un = In(936, "運");
    const struct {
        std::string value, meant;
    } values[] = {{un + "n", un + "n"},
                  {un + "\\n", un + "n"}, // the second byte doubled, as the template writes it
                  {un + "A", un + "A"},
                  {un, un}};
    for (const auto& v : values) {
        TempFile file(Head + Entry(caption, v.value));
        LanguageResources table;
        table.ReadTable(file.path);
        char out[256];
        table.Translate(out, sizeof out, caption->text.c_str(), nullptr, LanguageResources::String,
                        Gbk.Lead());
        EXPECT_EQ(v.meant == out, Check(Head + Entry(caption, v.value)).empty()) << v.value;
    }
}

} // namespace
