#pragma once
// The archive types that setup can associate with Zelkova, in the order of
// the Associate flags of SetupChoices. Each group lists its extensions run
// together (".lzh.lha").
#include <cstddef>
#include "uninstall/setup/setup_choices.h"

struct ArchiveGroup {
    const char* extensions;
    const char* progId; // what a ticked group's extensions point at
};

enum { ZkvGroup = 0, ZipGroup = 1, IsoGroup = 11 };

extern const ArchiveGroup ArchiveGroups[ArchiveGroupCount];

// Copies the extension that starts at *cursor into ext and moves *cursor to
// the next one. False at the end of the list, or (with ext empty) when the
// extension does not fit.
bool NextExtension(const char** cursor, char* ext, std::size_t size);
// The settings sub-key "Setup\<ext>" that holds a group's choice and an
// extension's former owner. False (key empty) when it does not fit.
bool SetupKeyFor(const char* extension, char* key, std::size_t size);
