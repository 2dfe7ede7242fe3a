#pragma once
// The setup steps that the uninstall runs again with an all-false record.
#include "uninstall/setup/setup_choices.h"

void UpdateShellExtension(const SetupChoices& choices);
// groupFolder may be null (the uninstall passes none).
void UpdateShortcuts(const SetupChoices& choices, char* groupFolder);
void UpdateAssociations(const SetupChoices& choices);
void RegisterProgIds();
