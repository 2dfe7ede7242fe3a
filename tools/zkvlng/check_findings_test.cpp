// The checker's findings, one crafted file each with its exact message, and
// files that read as written (no finding), in the code pages they concern.
#include "tools/zkvlng/zkvlng_test_support.h"

namespace {

std::string Utf16(const std::string& ascii, const char* mark) {
    std::string out = mark;
    for (char c : ascii)
        out += std::string(1, c) + '\0';
    return out;
}

TEST(CheckFindings, EachFaultWithItsMessageAndLine) {
    const std::string caption = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION)->key;
    const std::string title = Find(ProgramTexts(), "DONEDLG title")->key;
    const std::string scale = Find(SpecialEntries(), "DONEDLG scale")->key;
    const std::string un = Ansi("運"), sa = Ansi("能", 932), hi = Ansi("祝您好");
    auto line = [](const std::string& key, const std::string& value) {
        return Head + key + "=\"" + value + "\"\r\n";
    };
    auto backslash = [](const std::string& character, int column, const char* lead, char letter) {
        return "the character " + character + " at column " + std::to_string(column) + " (bytes " +
               lead + " 5C) ends in a backslash: the program reads it with the " + letter +
               " after it as the escape \\" + letter +
               " and shows other text; put one more backslash right after the character";
    };
    const std::string after = "text after the closing quote (column 16)",
                      shows = ": the program takes the translation up to the last quote of the "
                              "line, so that text shows on screen",
                      dup = "key " + caption + " appears more than once (lines 3, 5); the " +
                            "program uses one of lines 3, 5";
    const struct {
        unsigned codePage;
        std::string file;
        bool withProgram;
        int line; // 0 with no finding expected, -1 for the whole file
        std::string message;
        bool warning;
    } cases[] = {
        // clang-format off
        {936, line(caption, hi + un + "n ok"), true, 3, backslash(un, 17, "DF", 'n'), false},
        {936, line(caption, hi + un), true, 3, backslash(un, 17, "DF", '"'), false},
        {932, line("12345678", sa), false, 3, backslash(sa, 11, "94", '"'), false},
        {936, Head + caption + "=\"Hello\" ; was \"Hi\"\r\n", true, 3, after + shows, false},
        {936, Head + caption + "=\"Hello\"\"\r\n", true, 3, after + shows, false},
        {936, Head + caption + "=\"Hello\" ; note\r\n", true, 3, after + " is ignored by the "
         "program; put a comment on a line of its own, starting with ;", true},
        {936, Head + title + "=\"" + std::string(312, 'x') + "\"", true, 3, "the last line has no "
         "line end: the program takes at most 255 bytes of it and cuts the translation to 255 "
         "bytes; end the line with a line break", false},
        {936, line(caption, "ab\fcd"), true, 3,
         "the program reads this translation as \"ab\", not as written", false},
        {936, line(scale, "0*5"), false, 3, "the scale of DONEDLG \"0*5\" reads as 0*5, outside 1 "
         "to 1000: the program leaves the dialog as it is", false},
        {936, Utf16(line(caption, "x"), "\xFF\xFE"), true, -1,
         "this file is UTF-16; save it in code page 936", false},
        {1255, Utf16(line(caption, "x"), ""), true, -1,
         "this file is UTF-16; save it in code page 1255", false},
        {936, line(caption, "卸载"), true, -1, "this file is UTF-8; save it in code page 936", false},
        {949, "\xEF\xBB\xBF" + line(caption, "안녕"), true, -1,
         "this file is UTF-8; save it in code page 949", false},
        {936, "\xEF\xBB\xBF" + line(caption, Ansi("卸载")), true, 1, "the file starts with a "
         "UTF-8 signature; the program skips it with everything before the marker line, but save "
         "the file in code page 936 without it", true},
        {936, line(caption, "one") + "; x\r\n" + caption + "=\"two\"\r\n", true, 5, dup, false},
        {936, line(caption, "one") + "; x\r\n" + caption + "=\"one\"\r\n", true, 5,
         dup + "; they say the same", true},
        {1252, line("07b5ccfe", "Help"), true, 3, "key 07b5ccfe stands for string 5102 and string "
         "5109, which code page 1252 cannot spell: the program reads \"Zelkova ????\" and "
         "translates every text that reads so alike; a language library translates them one by "
         "one", true},
        // Read as written: 0x5C doubled (as the template writes it) or before
        // an ordinary letter, a 932 text of such characters, scales the
        // program reads, a short last line, blanks after the closing quote.
        {936, line(caption, un + "\\" + Ansi("動")), true, 0, "", false},
        {936, line(caption, un + "A"), true, 0, "", false},
        {932, line("12345678", Ansi("ソフト表示", 932)), false, 0, "", false},
        {936, line(scale, "115%*100%"), false, 0, "", false},
        {936, line(scale, " 115*100"), false, 0, "", false},
        {936, Head + title + "=\"Done\"", true, 0, "", false},
        {936, Head + caption + "=\"Hello\"  \r\n", true, 0, "", false},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const std::vector<Finding> found = Check(c.file, c.withProgram, nullptr, c.codePage);
        ASSERT_EQ(c.line ? 1u : 0u, found.size());
        if (found.empty()) continue;
        EXPECT_EQ(c.line < 0 ? 0 : c.line, found[0].line);
        EXPECT_EQ(c.message, found[0].message);
        EXPECT_EQ(c.warning, found[0].warning);
    }
}

} // namespace
