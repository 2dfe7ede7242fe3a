#pragma once
// One set of setup choices. A record with every field false asks for the
// removal of everything (the uninstall passes such a record).

constexpr int ArchiveGroupCount = 12; // ZKV ZIP CAB ARJ LZH ACE TAR GZip UUE BZ2 JAR ISO

struct SetupChoices {
    bool Associate[ArchiveGroupCount] = {};
    bool Desktop = false;
    bool StartMenu = false;
    bool Programs = false;
    bool ShellExt = false;
    bool CascadedMenu = false;
    bool MenuIcons = false;
};

void LoadSetupChoices(SetupChoices* choices);
void SaveSetupChoices(const SetupChoices& choices);
// Applies the record in its fixed order; groupFolder (1,024 bytes, may be
// null) receives the per-user program group folder when one is created.
void ApplySetupChoices(const SetupChoices& choices, char* groupFolder);
// Whether HKCR\<extension> names "Zelkova" or "Zelkova.ZIP".
bool IsOwnAssociation(const char* extension);
