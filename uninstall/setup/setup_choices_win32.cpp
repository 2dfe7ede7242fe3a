#include "uninstall/setup/setup_choices.h"
#include <windows.h>
#include "uninstall/registry/registry.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/setup/archive_types.h"
#include "uninstall/setup/machine_entries.h"
#include "uninstall/setup/prog_ids.h"
#include "uninstall/setup/setup_options.h"
#include "uninstall/setup/shell_integration.h"

const SetupOption SetupOptions[SetupOptionCount] = {
    {IDC_DESKTOP_BOX, "Setup\\Links", "Desktop", 0, &SetupChoices::Desktop},
    {IDC_START_MENU_BOX, "Setup\\Links", "StartMenu", 0, &SetupChoices::StartMenu},
    {IDC_PROGRAM_GROUP_BOX, "Setup\\Links", "Programs", 1, &SetupChoices::Programs},
    {IDC_SHELL_EXT_BOX, "Setup", "ShellExt", 1, &SetupChoices::ShellExt},
    {IDC_CASCADED_MENU_BOX, "Setup", "CascadedMenu", 0, &SetupChoices::CascadedMenu},
    {IDC_MENU_ICONS_BOX, "Setup", "MenuIcons", 1, &SetupChoices::MenuIcons},
};

namespace {
// "Setup\" + the group's first extension: where its "Set" choice lives.
bool GroupKey(int group, char* key, int size) {
    const char* cursor = ArchiveGroups[group].extensions;
    char extension[16];
    return NextExtension(&cursor, extension, sizeof extension) && SetupKeyFor(extension, key, size);
}
} // namespace

bool IsOwnAssociation(const char* extension) {
    char progId[80];
    GetRegString(HKEY_CLASSES_ROOT, extension, "", progId, sizeof progId, "");
    return IsArchiveProgId(progId);
}

void LoadSetupChoices(SetupChoices* choices) {
    char key[KeyPathSize];
    for (int group = 0; group < ArchiveGroupCount; ++group) {
        choices->Associate[group] =
            GroupKey(group, key, sizeof key) && GetSettingDword(key, "Set", 1) != 0;
    }
    // Another program that owns ".iso" keeps it unless the user ticks the box.
    char isoOwner[80];
    GetRegString(HKEY_CLASSES_ROOT, ".iso", "", isoOwner, sizeof isoOwner, "");
    if (!IsOwnAssociation(".iso") && isoOwner[0] != '\0') choices->Associate[IsoGroup] = false;
    for (const SetupOption& option : SetupOptions) {
        choices->*option.field =
            GetSettingDword(option.key, option.value, option.defaultValue) != 0;
    }
}

void SaveSetupChoices(const SetupChoices& choices) {
    char key[KeyPathSize];
    for (int group = 0; group < IsoGroup; ++group) { // the ISO choice is never stored
        if (GroupKey(group, key, sizeof key)) SetSettingDword(key, "Set", choices.Associate[group]);
    }
    for (const SetupOption& option : SetupOptions) {
        SetSettingDword(option.key, option.value, choices.*option.field);
    }
}

void ApplySetupChoices(const SetupChoices& choices, char* groupFolder) {
    RegisterAppPath();
    UpdateShellExtension(choices);
    UpdateAssociations(choices);
    RegisterProgIds();
    UpdateShortcuts(choices, groupFolder);
}
