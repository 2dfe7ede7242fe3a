#pragma once
// Writes a translation file with keyed entries into the temp
// folder and loads it into Translations.
#include <windows.h>
#include <cstdio>
#include <string>
#include "tests/support/files.h"
#include "uninstall/localisation/crc32.h"
#include "uninstall/localisation/language_resources.h"

// The key of a source text: kind character, section, text.
inline std::string TranslationKey(char kind, const char* section, const char* source) {
    std::string keyed = std::string(1, kind) + (section ? section : "") + source;
    char key[9];
    snprintf(key, sizeof key, "%08x",
             static_cast<unsigned>(~Crc32Update(0xFFFFFFFFu, keyed.data(), keyed.size())));
    return key;
}

inline std::string Entry(char kind, const char* section, const char* source, const char* value) {
    return TranslationKey(kind, section, source) + "=\"" + value + "\"\r\n";
}

// Writes "; test\r\n***messages***\r\n" + entries and reads it as the table.
inline void LoadTranslations(const std::string& entries) {
    const std::string path = test_files::TempFolder() + "zk_test.lng";
    test_files::Write(path, "; test\r\n***messages***\r\n" + entries + "\r\n\r\n\r\n");
    Translations.ReadTable(path.c_str());
    Translations.DetectDirection(false);
    DeleteFileA(path.c_str());
}

// Drops the table (a missing file leaves none) and the direction.
inline void UnloadTranslations() {
    Translations.ReadTable("C:\\zk-no-such-folder\\none.lng");
    Translations.DetectDirection(false);
}
