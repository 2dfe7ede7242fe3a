// Undoing setup's registry and shell entries during the uninstall.
#include <shlobj.h>

#include "uninstall/common/compare.h"
#include "uninstall/registry/registry.h"
#include "uninstall/removal/clean_registry.h"
#include "uninstall/setup/machine_entries.h"
#include "uninstall/setup/prog_ids.h"
#include "uninstall/setup/setup_choices.h"
#include "uninstall/setup/shell_integration.h"

// ".rev" is Zelkova's own extension; once another program has taken it over
// (its default value names something else) it belongs to that program.
static bool RevExtensionIsOwn() {
    char progId[KeyPathSize];
    GetRegString(HKEY_CLASSES_ROOT, RevExtension, "", progId, sizeof progId, "");
    return progId[0] == '\0' || CompareNoCase(progId, RevProgId) == 0;
}

void CleanRegistry() {
    // Order matters: the associations are given back from the previous
    // owners saved under the settings root, which goes last.
    SetupChoices nothing;
    UpdateAssociations(nothing);
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_FLUSH, nullptr, nullptr);
    UpdateShellExtension(nothing);
    UpdateShortcuts(nothing, nullptr);
    for (const char* progId : OwnProgIds)
        DeleteKeyTree(HKEY_CLASSES_ROOT, progId);
    if (RevExtensionIsOwn()) DeleteKeyTree(HKEY_CLASSES_ROOT, RevExtension);
    DeleteRegKey(HKEY_LOCAL_MACHINE, UninstallEntryKey);
    DeleteRegKey(HKEY_LOCAL_MACHINE, AppPathKey);
    DeleteSettingsTree();
}
