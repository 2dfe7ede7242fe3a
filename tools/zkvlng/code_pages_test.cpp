// The tool in every code page: lead bytes from the system's conversion,
// templates that leave out what the code page cannot spell and say so, the
// command line, and the language-library listing.
#include "tools/zkvlng/zkvlng_test_support.h"
#include "uninstall/localisation/translation_key.h"
#include <sys/wait.h>

namespace {

// Output (standard output, then standard error) and exit code of the tool.
int Tool(const std::string& arguments, std::string* out, std::string* err = nullptr) {
    TempFile errors("");
    FILE* p =
        popen(("LC_ALL=C.UTF-8 " ZKVLNG_TOOL " " + arguments + " 2>" + errors.path).c_str(), "r");
    char buffer[4096];
    out->clear();
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, p)) > 0;)
        out->append(buffer, got);
    const int status = pclose(p);
    if (err) *err = ReadAll(errors.path);
    return WEXITSTATUS(status);
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

TEST(CodePages, LeadBytesAreTheSystemsOwn) {
    // The lead-byte ranges that Windows documents for these code pages
    // (where the system's conversion knows the characters).
    const struct {
        unsigned codePage;
        int from1, to1, from2, to2;
    } ranges[] = {{932, 0x81, 0x9F, 0xE0, 0xFC}, {936, 0x81, 0xFE, 0, -1},
                  {949, 0x81, 0xC8, 0xCA, 0xFD}, {950, 0xA1, 0xF9, 0, -1},
                  {1252, 0, -1, 0, -1},          {1255, 0, -1, 0, -1}};
    for (const auto& r : ranges) {
        const LeadByteTable& lead = CodePageOf(r.codePage).Lead();
        for (int b = 0; b < 256; ++b)
            EXPECT_EQ((b >= r.from1 && b <= r.to1) || (b >= r.from2 && b <= r.to2), lead.isLead[b])
                << r.codePage << " byte " << b;
        EXPECT_EQ(r.to1 >= 0, lead.multiByte) << r.codePage;
    }
}

TEST(CodePages, TemplatesLeaveOutWhatTheCodePageCannotSpell) {
    const struct {
        unsigned codePage;
        bool spellsAll; // every text of the program
    } pages[] = {{936, true},  {1252, false}, {932, false}, {949, false},
                 {950, false}, {1255, false}, {1256, false}};
    for (const auto& p : pages) {
        SCOPED_TRACE(p.codePage);
        const std::vector<SourceText>& texts = ProgramTexts(p.codePage);
        const std::string made = TranslationTemplate(texts, p.codePage, "uninstall.exe", nullptr);
        EXPECT_EQ(p.spellsAll, UnspelledCount(texts) == 0);
        EXPECT_EQ(p.spellsAll ? 0 : 1, Count(made, "cannot spell"));
        for (const SourceText& t : texts) {
            // Each text is in the template or named in its one comment.
            if (t.use != SourceText::String && t.use != SourceText::DialogText) continue;
            EXPECT_EQ(t.spelled, made.find(t.key + "=\"") != std::string::npos) << t.where;
            EXPECT_NE(std::string::npos, made.find(t.where)) << t.where;
        }
        TempFile file(made);
        const CheckResult result =
            CheckTranslationFile(file.path, CodePageOf(p.codePage), texts, true);
        EXPECT_EQ(0u, result.Count(false));
        EXPECT_TRUE(result.untranslated.empty());
    }
    // Where the code page turns two texts into one, they share a key.
    const SourceText* help = FindString(ProgramTexts(1252), IDS_HELP_LINK);
    EXPECT_EQ("Zelkova ????", help->text);
    EXPECT_EQ(std::vector<std::string>{"string 5109"}, help->alsoWhere);
}

TEST(CodePages, CommandLine) {
    std::string out, err;
    EXPECT_EQ(0, Tool(std::string("template ") + ZKVLNG_PROGRAM + " --codepage 1252", &out, &err));
    EXPECT_NE(std::string::npos, out.find("needs a\r\n; language library"));
    EXPECT_NE(std::string::npos, err.find("warning: code page 1252 cannot spell"));
    EXPECT_EQ(0, Tool(std::string("template ") + ZKVLNG_PROGRAM + " " + ZKVLNG_LIBRARY +
                          " --codepage 1252",
                      &out, &err));
    EXPECT_NE(std::string::npos, out.find("=\"Zelkova Setup\"")); // the library's dialogs
    // A text of the terminal (UTF-8 here) in the code page.
    EXPECT_EQ(0, Tool("key --codepage 1252 \xC3\xA9t\xC3\xA9", &out));
    char key[TranslationKeySize];
    TranslationKey(key, 's', nullptr, "\xE9t\xE9");
    EXPECT_EQ(std::string(key) + "\n", out);
    EXPECT_EQ(2, Tool("key --codepage 1252 \xE5\x8D\xB8", &out, &err));
    // Source texts of the messages come in the terminal's encoding.
    TempFile stale(Head + "12345678=\"x\"\r\n");
    EXPECT_EQ(1, Tool(std::string("check ") + stale.path + " " + ZKVLNG_PROGRAM, &out));
    EXPECT_NE(std::string::npos, out.find("string 5105: 卸载已完成")) << out;
}

TEST(CodePages, LibraryAgainstTheProgram) {
    std::string out;
    EXPECT_EQ(0, Tool(std::string("library ") + ZKVLNG_LIBRARY + " " + ZKVLNG_PROGRAM +
                          " --codepage 1252",
                      &out));
    EXPECT_NE(std::string::npos, out.find("string 5104: \"?? Zelkova\" => \"Uninstall Zelkova\""));
    EXPECT_NE(std::string::npos, out.find("0 error(s)"));
    // A library without strings and with one dialog: the missing ids come
    // first, then what it has.
    EXPECT_EQ(1, Tool(std::string("library ") + ZKVLNG_DIALOGEX + " " + ZKVLNG_PROGRAM, &out));
    const std::size_t missing = out.find("error: missing string 5101");
    EXPECT_NE(std::string::npos, missing) << out;
    EXPECT_LT(missing, out.find("error: missing dialog DONEDLG"));
    EXPECT_LT(out.find("error: missing control"), out.find("  SETUPDLG title"));
}

} // namespace
