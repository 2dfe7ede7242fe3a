// ResString and FormatResString with the program's own string table linked
// into this test, the sample language library and translation files.
#include <gtest/gtest.h>
#include <string>
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/res_string.h"
#include "tests/support/translation_table.h"
#include "tests/support/call_site.h"
#include "uninstall/res/resource_ids.h"

namespace {

const char* const Caption = "\xd0\xb6\xd4\xd8 Zelkova"; // 卸载 Zelkova
const char* const DeleteByHand =
    "\xc4\xe3\xd3\xa6\xb8\xc3\xca\xd6\xb6\xaf\xc9\xbe\xb3\xfd %s"; // 你应该手动删除 %s

std::string SampleLibraryPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *strrchr(path, '\\') = '\0';
    return std::string(path) + "\\..\\lang\\zkvlng.dll";
}

class Strings : public ::testing::Test {
  protected:
    HMODULE library = nullptr;
    void SetUp() override {
        LanguagePack.Load(GetModuleHandleA(nullptr)); // no library next to the test
        UnloadTranslations();
    }
    void TearDown() override {
        ResourceModule = ProgramModule;
        if (library) FreeLibrary(library);
        UnloadTranslations();
    }
    void UseSampleLibrary(CallSite at = {}) {
        CalledFrom trace(at);
        library = LoadLibraryA(SampleLibraryPath().c_str());
        ASSERT_NE(nullptr, library);
        ResourceModule = library;
    }
};

TEST_F(Strings, WithoutLibraryOrTableTheProgramsOwnTextsAreUsed) {
    EXPECT_FALSE(LanguagePack.loaded);
    EXPECT_EQ(ProgramModule, ResourceModule);
    EXPECT_STREQ(Caption, ResString(IDS_UNINSTALL_CAPTION));
    EXPECT_STREQ("https://www.zelkova.example/", ResString(IDS_HOME_PAGE_URL));
    EXPECT_STREQ("", ResString(4242)); // in neither module
    LanguagePack.Unload();             // nothing loaded: nothing changes
    EXPECT_EQ(ProgramModule, ResourceModule);
}

TEST_F(Strings, TheRingHoldsTheLastEightResults) {
    const char* results[10];
    for (int i = 0; i < 10; i++)
        results[i] = ResString(i % 2 ? IDS_UNINSTALL_CAPTION : IDS_HOME_PAGE_URL);
    EXPECT_EQ(results[0], results[8]);
    EXPECT_EQ(results[1], results[9]);
    for (int i = 2; i < 10; i++)
        for (int j = i + 1; j < 10; j++)
            EXPECT_NE(results[i], results[j]);
    for (int i = 2; i < 10; i++)
        EXPECT_STREQ(i % 2 ? Caption : "https://www.zelkova.example/", results[i]);
}

TEST_F(Strings, TheLibraryWinsUnlessATableIsLoaded) {
    UseSampleLibrary();
    EXPECT_STREQ("Uninstall Zelkova", ResString(IDS_UNINSTALL_CAPTION));
    // A module without a string table falls back to the program per id.
    HMODULE noStrings = LoadLibraryA("riched32.dll");
    ASSERT_NE(nullptr, noStrings);
    char probe[8];
    ASSERT_EQ(0, LoadStringA(noStrings, IDS_UNINSTALL_CAPTION, probe, sizeof probe));
    ResourceModule = noStrings;
    EXPECT_STREQ(Caption, ResString(IDS_UNINSTALL_CAPTION));
    FreeLibrary(noStrings);
    // With a table, the program's own strings are the source texts.
    ResourceModule = library;
    LoadTranslations(Entry('s', nullptr, Caption, "Remove it"));
    EXPECT_STREQ("Remove it", ResString(IDS_UNINSTALL_CAPTION));
    EXPECT_STREQ("https://www.zelkova.example/", ResString(IDS_HOME_PAGE_URL));
}

TEST_F(Strings, FormatUsesOneTextArgumentAndCutsToFit) {
    char text[64];
    FormatResString(IDS_DELETE_BY_HAND, "C:\\Zelkova\\uninstall.exe", text, sizeof text);
    EXPECT_EQ(std::string(DeleteByHand, 15) + "C:\\Zelkova\\uninstall.exe", text);
    char small[18];
    // 14 bytes of text, then 4 more
    FormatResString(IDS_DELETE_BY_HAND, "C:\\x", small, sizeof small);
    EXPECT_EQ(std::string(DeleteByHand, 15) + "C:", small);
    char half[4]; // room for one and a half characters: the cut keeps one
    FormatResString(IDS_DELETE_BY_HAND, "x", half, sizeof half);
    EXPECT_STREQ("\xc4\xe3", half);
    // No "%s" even in the own text.
    FormatResString(IDS_UNINSTALL_CAPTION, "arg", text, sizeof text);
    EXPECT_STREQ("arg", text);
}

TEST_F(Strings, HostileTranslationsNeverReachTheFormatter) {
    const char* const hostile[] = {"%n%n%n%n", "%s%s%s%s%s", "%x %x %s",
                                   "%s %p",    "100% %s",    "no argument at all"};
    char text[128];
    for (const char* value : hostile) {
        LoadTranslations(Entry('s', nullptr, DeleteByHand, value));
        EXPECT_STREQ(value, ResString(IDS_DELETE_BY_HAND)); // the translation itself is loaded
        FormatResString(IDS_DELETE_BY_HAND, "C:\\p", text, sizeof text);
        EXPECT_EQ(std::string(DeleteByHand, 15) + "C:\\p", text) << value;
    }
    LoadTranslations(Entry('s', nullptr, DeleteByHand, "Delete %s by hand (100%%)"));
    FormatResString(IDS_DELETE_BY_HAND, "C:\\p", text, sizeof text);
    EXPECT_STREQ("Delete C:\\p by hand (100%)", text);
}

TEST_F(Strings, LibraryTextsAreFormatsAndTranslationsStillChecked) {
    UseSampleLibrary();
    char text[128];
    FormatResString(IDS_DELETE_BY_HAND, "C:\\p", text, sizeof text);
    EXPECT_STREQ("You should delete C:\\p manually", text);
    LoadTranslations(Entry('s', nullptr, DeleteByHand, "%s and %s"));
    FormatResString(IDS_DELETE_BY_HAND, "C:\\p", text, sizeof text);
    EXPECT_EQ(std::string(DeleteByHand, 15) + "C:\\p", text);
}

} // namespace
