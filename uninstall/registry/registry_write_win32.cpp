// Writing one value: create the key, set the value, close the key. The
// result is true when the value was stored.
#include <cstring>
#include "uninstall/registry/registry.h"

static bool SetValue(HKEY hive, const char* path, const char* name, DWORD type, const void* bytes,
                     DWORD length) {
    HKEY key = CreateKeyForWrite(hive, path);
    if (!key) return false;
    bool stored = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(bytes), length) ==
                  ERROR_SUCCESS;
    return CloseRegKey(key) && stored;
}

bool SetRegString(HKEY hive, const char* path, const char* name, const char* text) {
    return SetValue(hive, path, name, REG_SZ, text, static_cast<DWORD>(strlen(text) + 1));
}

bool SetSettingString(const char* path, const char* name, const char* text) {
    return SetRegString(HKEY_CURRENT_USER, path, name, text);
}

bool SetRegDword(HKEY hive, const char* path, const char* name, DWORD value) {
    return SetValue(hive, path, name, REG_DWORD, &value, sizeof value);
}

bool SetSettingDword(const char* path, const char* name, DWORD value) {
    return SetRegDword(HKEY_CURRENT_USER, path, name, value);
}

bool SetRegBinary(HKEY hive, const char* path, const char* name, DWORD length, const void* bytes) {
    return SetValue(hive, path, name, REG_BINARY, bytes, length);
}
