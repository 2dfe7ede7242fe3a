// Shell extension registration and removal against Wine's real registry.
#include <gtest/gtest.h>
#include <windows.h>
#include "uninstall/setup/shell_integration.h"
#include "tests/support/setup_test.h"
#include "tests/support/call_site.h"

using namespace setup_test;

namespace {
const HKEY Classes = HKEY_CLASSES_ROOT;
const char Clsid[] = "{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}";
const char ClassKey[] = "CLSID\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}";
const char ServerKey[] = "CLSID\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}\\InProcServer32";
const char Approved[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char* const HandlerKeys[] = {
    "Zelkova\\shellex\\ContextMenuHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}",
    "Zelkova\\shellex\\PropertySheetHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}",
    "Zelkova.ZIP\\shellex\\ContextMenuHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}",
    "Zelkova.ZIP\\shellex\\PropertySheetHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}",
    "exefile\\shellex\\PropertySheetHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}"};
const char* const DropKeys[] = {"Zelkova\\shellex\\DropHandler",
                                "Zelkova.ZIP\\shellex\\DropHandler"};
const char* const SharedKeys[] = {"*\\shellex\\ContextMenuHandlers\\Zelkova",
                                  "Folder\\shellex\\ContextMenuHandlers\\Zelkova",
                                  "Folder\\shellex\\DragDropHandlers\\Zelkova",
                                  "Drive\\shellex\\DragDropHandlers\\Zelkova",
                                  "Directory\\shellex\\ContextMenuHandlers\\Zelkova",
                                  "Directory\\shellex\\DragDropHandlers\\Zelkova"};

SetupChoices WithShellExt(bool on) {
    SetupChoices choices;
    choices.ShellExt = on;
    return choices;
}

class ShellExtension : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteFileA(ProgramFile("zkvext.dll").c_str());
        for (const char* key : {"Zelkova", "Zelkova.ZIP", ClassKey})
            DeleteTree(Classes, key);
        DeleteTree(Classes, HandlerKeys[4]);
        for (const char* key : SharedKeys)
            DeleteTree(Classes, key);
        DeleteValue(HKEY_LOCAL_MACHINE, Approved, Clsid);
    }
    static void ExpectHandlers(CallSite at = {}) {
        CalledFrom trace(at);
        for (const char* key : HandlerKeys)
            EXPECT_EQ("", Value(Classes, key, "")) << key;
        for (const char* key : DropKeys)
            EXPECT_EQ(Clsid, Value(Classes, key, "")) << key;
        for (const char* key : SharedKeys)
            EXPECT_EQ(Clsid, Value(Classes, key, "")) << key;
        EXPECT_EQ("Zelkova shell extension", Value(HKEY_LOCAL_MACHINE, Approved, Clsid));
    }
};

TEST_F(ShellExtension, WithTheLibraryAllEntriesAreWritten) {
    test_files::Write(ProgramFile("zkvext.dll"), "");
    UpdateShellExtension(WithShellExt(true));
    EXPECT_EQ("Zelkova", Value(Classes, ClassKey, ""));
    EXPECT_EQ(ProgramFile("zkvext.dll"), Value(Classes, ServerKey, ""));
    EXPECT_EQ("Apartment", Value(Classes, ServerKey, "ThreadingModel"));
    ExpectHandlers();
}

TEST_F(ShellExtension, WithoutTheLibraryOnlyTheHandlersAreWritten) {
    UpdateShellExtension(WithShellExt(true));
    EXPECT_FALSE(KeyExists(Classes, ClassKey));
    ExpectHandlers();
}

TEST_F(ShellExtension, RemovalKeepsSharedKeysEmptyAndIsHarmlessTwice) {
    SetString(Classes, "Zelkova\\shell\\open\\command", "", "kept");
    test_files::Write(ProgramFile("zkvext.dll"), "");
    UpdateShellExtension(WithShellExt(true));
    for (int pass = 0; pass < 2; ++pass) {
        UpdateShellExtension(WithShellExt(false));
        EXPECT_FALSE(KeyExists(Classes, ClassKey));
        for (const char* key : HandlerKeys)
            EXPECT_FALSE(KeyExists(Classes, key)) << key;
        for (const char* key : DropKeys)
            EXPECT_FALSE(KeyExists(Classes, key)) << key;
        for (const char* key : SharedKeys) {
            EXPECT_TRUE(KeyExists(Classes, key)) << key;
            EXPECT_EQ("<none>", Value(Classes, key, "")) << key;
        }
        EXPECT_EQ("<none>", Value(HKEY_LOCAL_MACHINE, Approved, Clsid));
        EXPECT_EQ("kept", Value(Classes, "Zelkova\\shell\\open\\command", ""));
    }
}
} // namespace
