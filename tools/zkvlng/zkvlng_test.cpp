// The translators' tool against the resources of the real program and
// sample library (built from their scripts), the committed sample file,
// the examples of README.md and one crafted file per kind of mistake.
#include "tools/zkvlng/zkvlng_test_support.h"

namespace {

TEST(Template, OfTheProgramIsCleanAndChangesNoText) {
    const std::vector<SourceText> texts = ProgramTexts();
    TempFile file(TranslationTemplate(texts, 936, "uninstall.exe", nullptr));
    const CheckResult result = CheckTranslationFile(file.path, Gbk, texts, true);
    EXPECT_TRUE(result.errors.empty());
    EXPECT_TRUE(result.untranslated.empty());

    // Read by the program, every text translates to itself and no dialog
    // is rescaled or turned right to left.
    LanguageResources table;
    table.ReadTable(file.path);
    ASSERT_TRUE(table.IsLoaded());
    const LeadByteTable lead = LeadByteTable::ForCodePage(936);
    for (const SourceText& t : texts) {
        if (t.use != SourceText::String && t.use != SourceText::DialogText) continue;
        char out[1024];
        table.Translate(
            out, sizeof out, t.text.c_str(), t.section.empty() ? nullptr : t.section.c_str(),
            t.kind == 's' ? LanguageResources::String : LanguageResources::Dialog, lead);
        EXPECT_EQ(t.text, out) << t.where;
        EXPECT_NE(nullptr, table.FindSorted(t.key.c_str())) << t.where;
    }
    int xs, ys;
    for (const char* name : DialogNames)
        EXPECT_FALSE(table.GetScale(name, &xs, &ys));
    table.DetectDirection(false);
    EXPECT_FALSE(table.rtl);
}

TEST(Template, HoldsEveryStringAndEveryDialogText) {
    const std::vector<SourceText> texts = ProgramTexts();
    int strings = 0, firstId = 0, lastId = 0;
    for (const SourceText& t : texts) {
        if (t.use != SourceText::String) continue;
        firstId = strings++ ? firstId : t.stringId;
        lastId = t.stringId;
    }
    EXPECT_EQ(IDS_DISPLAY_NAME, firstId);
    EXPECT_EQ(lastId - firstId + 1, strings); // no gap, whatever the last id
    EXPECT_EQ(Ansi("卸载已完成"), FindString(texts, IDS_UNINSTALL_DONE)->text);
    EXPECT_EQ(Ansi("Zelkova 中文版安装"), Find(texts, "SETUPDLG title")->text);
    EXPECT_EQ(Ansi("解压到<文件夹\\>(&E)"), Find(texts, "CONTEXTITEMS control 4")->text);
    // The rich edit control hands its line break back unchanged.
    EXPECT_NE(std::string::npos,
              Find(texts, "SETUPDLG control 27")->text.find(Ansi("。\n    点击")));
    // With the library its dialog texts are the sources; strings stay the program's.
    const std::vector<SourceText> withLibrary = ReadTexts(ZKVLNG_LIBRARY);
    EXPECT_EQ("Zelkova Setup", Find(withLibrary, "SETUPDLG title")->text);
    EXPECT_EQ(Ansi("卸载已完成"), FindString(withLibrary, IDS_UNINSTALL_DONE)->text);
}

TEST(Resources, ExtendedDialogTemplates) {
    PeResources file;
    std::string error;
    ASSERT_TRUE(file.Load(ZKVLNG_DIALOGEX, &error)) << error;
    DialogTexts dialog;
    ASSERT_TRUE(file.Dialog("setupdlg", &dialog)); // names compare without case
    EXPECT_EQ(u"R\u00e9glages", dialog.title);
    ASSERT_EQ(4u, dialog.controls.size());
    EXPECT_EQ(u"", dialog.controls[0].text); // an icon's ordinal is no text
    EXPECT_EQ(u"Second", dialog.controls[1].text);
    EXPECT_EQ(u"", dialog.controls[2].text);
    EXPECT_EQ(u"Third\nline", dialog.controls[3].text);
    EXPECT_FALSE(file.Dialog("DONEDLG", &dialog));
    EXPECT_TRUE(file.Strings().empty());
    EXPECT_FALSE(file.Load(ZKVLNG_README, &error));
    EXPECT_NE(std::string::npos, error.find("MZ"));
}

TEST(Keys, AgreeWithTheExamplesOfTheReadme) {
    const std::string readme = ReadAll(ZKVLNG_README);
    static const std::vector<SourceText> special = SpecialEntries();
    // The scale of SETUPDLG, the direction entry and the Python example.
    EXPECT_NE(std::string::npos,
              readme.find(Find(special, "SETUPDLG scale")->key + "=\"110*100\""));
    EXPECT_NE(std::string::npos, readme.find("`$LTRLTR` (key `" + Find(special, "direction")->key));
    const std::string python = "zlib.crc32(('s' + '";
    const std::size_t at = readme.find(python);
    ASSERT_NE(std::string::npos, at);
    const std::size_t from = at + python.size();
    const std::string text = readme.substr(from, readme.find('\'', from) - from);
    EXPECT_NE(std::string::npos, readme.find("zkvlng key " + text + "\n    " +
                                             FindString(ProgramTexts(), IDS_UNINSTALL_DONE)->key));
}

TEST(Check, TheCommittedSampleMatchesTheProgram) {
    CheckResult result;
    EXPECT_TRUE(Check(ReadAll(ZKVLNG_SAMPLE), true, &result).empty());
    EXPECT_FALSE(result.untranslated.empty()); // a sample, not a full translation
}

TEST(Check, NoMarkerTheProgramFinds) {
    ExpectOneAt(Check("; no table\r\n00000000=\"x\"\r\n"), 0, "no marker");
    ExpectOneAt(Check(std::string(130817, ';') + "\n***messages***\r\n00000000=\"x\"\r\n"), 2,
                "too far");
    ExpectOneAt(Check("\n\n***messages***\n"), 3, "ends too soon");
}

TEST(Check, EntryBeyondTheSixtyFourKilobytesRead) {
    const SourceText* s = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    // The table is read from the marker on (byte 10) to byte 65546: the
    // entry starting at byte 65540 crosses that end.
    std::string file = Head;
    const std::size_t rest = 65540 - file.size();
    file += "; " + std::string(rest % 102 - 4, 'x') + "\r\n";
    int line = 4;
    for (std::size_t i = 0; i < rest / 102; ++i, ++line)
        file += "; " + std::string(98, 'x') + "\r\n";
    ASSERT_EQ(65540u, file.size());
    file += Entry(s, "far") + Entry(s, "farther");
    ExpectOneAt(Check(file), line, "past the 64 KB");
}

TEST(Check, LinesThatAreNoEntries) {
    const SourceText* s = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    std::string upper = s->key;
    for (char& c : upper)
        c = static_cast<char>(toupper(c));
    ExpectOneAt(Check(Head + "; fine\r\n\r\n" + upper + "=\"x\"\r\n"), 5, "neither an entry");
    ExpectOneAt(Check(Head + s->key + " = \"x\"\r\n"), 3, "neither an entry");
}

TEST(Check, DuplicateKeysNameTheLinesTheProgramMayUse) {
    const SourceText* s = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    // Which of two indexed lines the program's bisection finds depends on
    // its sort: the checker names both.
    const std::vector<Finding> f =
        Check(Head + Entry(s, "one") + "; between\r\n" + Entry(s, "two"));
    ExpectOneAt(f, 5, "the program uses one of lines 3, 5");
    EXPECT_FALSE(f[0].warning);
}

TEST(Check, StaleKeysAndUntranslatedTexts) {
    const SourceText* s = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    CheckResult result;
    ExpectOneAt(Check(Head + Entry(s, "x") + "12345678=\"old\"\r\n", true, &result), 4,
                "matches no source text");
    EXPECT_EQ(ProgramTexts().size() - SpecialEntries().size() - 1, result.untranslated.size());
    // Without the program, keys cannot be judged.
    EXPECT_TRUE(Check(Head + "12345678=\"old\"\r\n", false).empty());
}

TEST(Check, FormatsThatTheProgramRefuses) {
    const std::vector<SourceText> texts = ProgramTexts();
    const SourceText* deleteByHand = FindString(texts, IDS_DELETE_BY_HAND);
    const SourceText* noListFile = FindString(texts, IDS_NO_LIST_FILE);
    EXPECT_TRUE(Check(Head + Entry(deleteByHand, "100%% %s") + Entry(noListFile, "%s")).empty());
    ExpectOneAt(Check(Head + Entry(deleteByHand, "%s %s")), 3, "exactly one %s");
    ExpectOneAt(Check(Head + Entry(deleteByHand, "%s") + Entry(noListFile, "no file")), 4,
                "exactly one %s");
    ExpectOneAt(Check(Head + Entry(noListFile, "%d %s")), 3, "exactly one %s");
    // The restart notice is a format too.
    const SourceText* atRestart = FindString(texts, IDS_DELETE_AT_RESTART);
    EXPECT_TRUE(Check(Head + Entry(atRestart, "%s: at restart")).empty());
    ExpectOneAt(Check(Head + Entry(atRestart, "at restart")), 3, "exactly one %s");
    // Another string may hold any percent sign.
    EXPECT_TRUE(Check(Head + Entry(FindString(texts, IDS_UNINSTALL_CAPTION), "100%")).empty());
}

TEST(Check, ScaleValues) {
    static const std::vector<SourceText> special = SpecialEntries();
    const SourceText* scale = Find(special, "DONEDLG scale");
    EXPECT_TRUE(Check(Head + Entry(scale, "1000*1"), false).empty());
    ExpectOneAt(Check(Head + Entry(scale, "0*100"), false), 3, "outside 1 to 1000");
    ExpectOneAt(Check(Head + Entry(scale, "100*1001"), false), 3, "outside 1 to 1000");
    ExpectOneAt(Check(Head + Entry(scale, "110x100"), false), 3, "not of the form W*H");
    ExpectOneAt(Check(Head + Entry(scale, "*100"), false), 3, "reads as 0*100, outside 1 to 1000");
    ExpectOneAt(Check(Head + Entry(Find(special, "direction"), "rtl"), false), 3, "neither RTL");
}

TEST(Check, TranslationsLongerThanTheProgramsBuffer) {
    const std::vector<SourceText> texts = ProgramTexts();
    // Strings are read into 256 bytes, dialog texts into 1024.
    const SourceText* caption = FindString(texts, IDS_UNINSTALL_CAPTION);
    EXPECT_TRUE(Check(Head + Entry(caption, std::string(255, 'x'))).empty());
    ExpectOneAt(Check(Head + Entry(caption, std::string(256, 'x'))), 3, "cuts it to 255");
    EXPECT_TRUE(Check(Head + Entry(Find(texts, "DONEDLG title"), std::string(1023, 'x'))).empty());
    ExpectOneAt(Check(Head + Entry(Find(texts, "DONEDLG title"), std::string(1024, 'x'))), 3,
                "cuts it to 1023");
}

TEST(Check, BytesNotInTheCodePage) {
    const SourceText* s = FindString(ProgramTexts(), IDS_UNINSTALL_CAPTION);
    ExpectOneAt(Check(Head + "; ok\r\n" + Entry(s, "ab\xB0")), 4, "lone lead byte 0xB0");
    ExpectOneAt(Check(Head + Entry(s, "\xB0\"x")), 3, "lone lead byte");
    EXPECT_TRUE(Check(Head + Entry(s, Ansi("卸载"))).empty());
    ExpectOneAt(Check("\xEF\xBB\xBF" + Head + Entry(s, Ansi("卸载"))), 1, "UTF-8 signature");
    ExpectOneAt(Check(Head + Entry(s, "卸载")), 0, "this file is UTF-8");
}

TEST(CommandLine, ExitCodesAndKey) {
    const std::string tool = ZKVLNG_TOOL;
    auto run = [&](const std::string& arguments, std::string* out) {
        FILE* p = popen((tool + " " + arguments + " 2>&1").c_str(), "r");
        char buffer[4096];
        out->clear();
        for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, p)) > 0;)
            out->append(buffer, got);
        return WEXITSTATUS(pclose(p));
    };
    std::string out;
    TempFile made("");
    EXPECT_EQ(0, run(std::string("template ") + ZKVLNG_PROGRAM + " > " + made.path, &out));
    EXPECT_EQ(0, run(std::string("check ") + made.path + " " + ZKVLNG_PROGRAM, &out)) << out;
    EXPECT_NE(std::string::npos, out.find("0 error(s)"));
    TempFile bad(Head + "junk\r\n");
    EXPECT_EQ(1, run(std::string("check ") + bad.path, &out));
    EXPECT_NE(std::string::npos, out.find(std::string(bad.path) + ":3: error:")) << out;
    EXPECT_EQ(0, run("key abc", &out));
    EXPECT_EQ("92ab48be\n", out);
    EXPECT_EQ(0, run("key --codepage 1252 --dialog SETUPDLG ''", &out));
    EXPECT_EQ("9b889d24\n", out);
    EXPECT_EQ(2, run("key", &out));
}

} // namespace
