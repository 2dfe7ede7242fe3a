#pragma once
// The six option boxes of the setup dialog and where their choices are kept.
#include "uninstall/setup/setup_choices.h"

struct SetupOption {
    int controlId;
    const char* key; // below the settings root
    const char* value;
    unsigned defaultValue;
    bool SetupChoices::*field;
};

constexpr int SetupOptionCount = 6;
extern const SetupOption SetupOptions[SetupOptionCount];
