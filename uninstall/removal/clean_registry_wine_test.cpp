// The registry cleanup after a real setup, compared key by key and value by
// value with the registry as it was before setup.
#include <gtest/gtest.h>

#include <string>

#include "uninstall/removal/clean_registry.h"
#include "tests/support/files.h"
#include "tests/support/raw_registry.h"
#include "tests/support/registry_snapshot.h"
#include "uninstall/setup/setup_choices.h"
#include "uninstall/setup/machine_entries.h"

namespace {

using namespace registry_snapshot;

void SetDefault(const char* path, const char* text, CallSite at = {}) {
    raw_registry::SetString(HKEY_CLASSES_ROOT, path, "", text, at);
}

TEST(CleanRegistry, UndoesAFullSetupKeepingOnlyEmptySharedKeys) {
    // A used machine: other programs own ".zip" and ".cab".
    SetDefault(".zip", "CompressedFolder");
    SetDefault(".cab", "CABFolder");
    const Snapshot before = Registry();

    SetupChoices defaults;
    LoadSetupChoices(&defaults);
    SaveSetupChoices(defaults);
    char groupFolder[1024] = "";
    ApplySetupChoices(defaults, groupFolder);
    RegisterUninstallEntry();
    ASSERT_NE(Difference(Registry(), before), "") << "setup wrote nothing";

    CleanRegistry();
    const Snapshot after = Registry();
    EXPECT_EQ(Difference(before, after), "") << "removed although it was there before setup";
    // Handler keys and "New" menu keys other programs share stay, emptied.
    EXPECT_EQ(UnsharedLeftovers(after, before), "") << "left behind by the removal";
    for (const char* name : {"zkvnew.dat", "zipnew.dat"})
        DeleteFileA(test_files::BesideTestProgram(name).c_str());
}

TEST(CleanRegistry, RevTakenOverByAnotherProgramStays) {
    SetDefault(".rev", "Other.Program");
    CleanRegistry();
    ASSERT_TRUE(raw_registry::KeyExists(HKEY_CLASSES_ROOT, ".rev"));
    SetDefault(".rev", "zelkova.rev"); // its own, in any case
    CleanRegistry();
    EXPECT_FALSE(raw_registry::KeyExists(HKEY_CLASSES_ROOT, ".rev"));
}

} // namespace
