#pragma once
// Explorer's "New" menu entry of an extension (HKCR\<ext>\ShellNew).
#include <cstddef>

// key (KeyPathSize bytes) = "<extension>\ShellNew"; false when it does not fit.
bool ShellNewKey(const char* extension, char* key);
// The entry to remember before taking an extension over: "*" for a
// "NullFile" without a "FileName", else the "FileName" text (maybe empty).
void FormerNewMenuEntry(const char* extension, char* entry, std::size_t size);
// Records in the former owner's record (Setup\<ext> of the settings root)
// the former owner's "Data" and that setup has written none (yet).
void RecordFormerNewMenuData(const char* extension, const char* record);
// Offers an empty ZKV (zkv true) or ZIP archive in the "New" menu, and
// marks in the extension's record whether it wrote "Data".
void InstallNewMenuTemplate(const char* extension, bool zkv);
// Puts back the entry remembered under "Setup\<ext>" of the settings root.
void RestoreNewMenuEntry(const char* extension);
