#pragma once
// Every registry access of the program. A path under HKEY_CURRENT_USER is
// relative to the settings root Software\Zelkova unless it starts with '\'.
// Key paths are built in 256 bytes; a path that does not fit is refused:
// writes and deletes do nothing and report failure, reads give the default.
#include <windows.h>

constexpr int KeyPathSize = 256;

// false (and an empty buffer) when the full path does not fit.
bool MakeKeyPath(HKEY hive, const char* path, char* buffer, int size = KeyPathSize);
HKEY CreateKeyForWrite(HKEY hive, const char* path);
HKEY OpenKeyForRead(HKEY hive, const char* path);
bool CloseRegKey(HKEY key);
bool RegKeyExists(HKEY hive, const char* path);

bool SetRegString(HKEY hive, const char* path, const char* name, const char* text);
bool SetSettingString(const char* path, const char* name, const char* text);
bool SetRegDword(HKEY hive, const char* path, const char* name, DWORD value);
bool SetSettingDword(const char* path, const char* name, DWORD value);
bool SetRegBinary(HKEY hive, const char* path, const char* name, DWORD length, const void* bytes);

bool GetRegString(HKEY hive, const char* path, const char* name, char* buffer, DWORD size,
                  const char* defaultText);
bool GetSettingString(const char* path, const char* name, char* buffer, DWORD size,
                      const char* defaultText);
bool GetRegDword(HKEY hive, const char* path, const char* name, DWORD defaultValue, DWORD* result);
DWORD GetSettingDword(const char* path, const char* name, DWORD defaultValue);
// The bytes of a value of any type into buffer and their count into length;
// false (length 0) when the value is missing or longer than size.
bool GetRegBytes(HKEY hive, const char* path, const char* name, void* buffer, DWORD size,
                 DWORD* length);

LONG DeleteRegKey(HKEY hive, const char* path);
void DeleteRegValue(HKEY hive, const char* path, const char* name);

// Deletes a key with all its sub-keys; never a hive root. A path whose full
// form does not fit in 200 bytes is refused.
void DeleteKeyTree(HKEY hive, const char* path);
// The settings root Software\Zelkova with everything below it.
void DeleteSettingsTree();
