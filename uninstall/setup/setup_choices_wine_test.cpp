// Saved choices, their defaults and the ISO rule, and the machine entries.
#include <gtest/gtest.h>
#include <windows.h>
#include "uninstall/setup/setup_choices.h"
#include "tests/support/setup_test.h"
#include "uninstall/setup/machine_entries.h"

using namespace setup_test;

namespace {
const char UninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver";
const char AppPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zelkova.exe";

class Choices : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteTree(HKEY_CURRENT_USER, "Software\\Zelkova");
        DeleteTree(HKEY_CLASSES_ROOT, ".iso");
        DeleteTree(HKEY_LOCAL_MACHINE, UninstallKey);
        DeleteTree(HKEY_LOCAL_MACHINE, AppPathKey);
    }
};

TEST_F(Choices, FirstRunDefaultsLeaveAnIsoOwnedByAnotherProgramAlone) {
    SetupChoices choices;
    LoadSetupChoices(&choices);
    for (bool ticked : choices.Associate)
        EXPECT_TRUE(ticked);
    EXPECT_FALSE(choices.Desktop);
    EXPECT_FALSE(choices.StartMenu);
    EXPECT_TRUE(choices.Programs);
    EXPECT_TRUE(choices.ShellExt);
    EXPECT_FALSE(choices.CascadedMenu);
    EXPECT_TRUE(choices.MenuIcons);

    SetString(HKEY_CLASSES_ROOT, ".iso", "", "DiscImage");
    SetString(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\.iso", "Set", "x"); // a 1 never wins
    LoadSetupChoices(&choices);
    EXPECT_FALSE(choices.Associate[11]);
    SetString(HKEY_CLASSES_ROOT, ".iso", "", "ZELKOVA");
    LoadSetupChoices(&choices);
    EXPECT_TRUE(choices.Associate[11]);
}

TEST_F(Choices, SavedChoicesComeBackExceptIso) {
    SetupChoices saved;
    saved.Associate[2] = true;
    saved.Associate[11] = false;
    saved.Desktop = saved.CascadedMenu = true;
    SaveSetupChoices(saved);
    EXPECT_EQ(0u, Dword(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\.zkv", "Set"));
    EXPECT_EQ(1u, Dword(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\.cab", "Set"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\.iso"));
    EXPECT_EQ(0u, Dword(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\Links", "Programs"));
    EXPECT_EQ(1u, Dword(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup", "CascadedMenu"));

    SetupChoices loaded;
    LoadSetupChoices(&loaded);
    for (int group = 0; group < 11; ++group)
        EXPECT_EQ(group == 2, loaded.Associate[group]) << group;
    EXPECT_TRUE(loaded.Associate[11]); // no other owner: ticked again
    EXPECT_TRUE(loaded.Desktop);
    EXPECT_FALSE(loaded.Programs);
    EXPECT_FALSE(loaded.ShellExt);
    EXPECT_TRUE(loaded.CascadedMenu);
}

TEST_F(Choices, MachineEntriesNameTheProgramFolderAndThisProgram) {
    RegisterAppPath();
    RegisterUninstallEntry();
    EXPECT_EQ(ProgramFile("Zelkova.exe"), Value(HKEY_LOCAL_MACHINE, AppPathKey, ""));
    char current[MAX_PATH];
    GetCurrentDirectoryA(sizeof current, current);
    EXPECT_EQ(current, Value(HKEY_LOCAL_MACHINE, AppPathKey, "Path"));
    // IDS_DISPLAY_NAME in code page 936.
    EXPECT_EQ("Zelkova \xD1\xB9\xCB\xF5\xCE\xC4\xBC\xFE\xB9\xDC\xC0\xED\xC6\xF7",
              Value(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName"));
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, sizeof program);
    EXPECT_EQ(program, Value(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString")); // no blank
}
} // namespace
