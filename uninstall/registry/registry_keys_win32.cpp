// Opening, creating, closing and deleting keys. Each call builds its own full
// path; a path that does not fit is refused.
#include "uninstall/registry/registry.h"

HKEY CreateKeyForWrite(HKEY hive, const char* path) {
    char full[KeyPathSize];
    HKEY key = nullptr;
    if (!MakeKeyPath(hive, path, full)) return nullptr;
    if (RegCreateKeyExA(hive, full, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

static HKEY OpenKey(HKEY hive, const char* path, REGSAM access) {
    char full[KeyPathSize];
    HKEY key = nullptr;
    if (!MakeKeyPath(hive, path, full)) return nullptr;
    if (RegOpenKeyExA(hive, full, 0, access, &key) != ERROR_SUCCESS) return nullptr;
    return key;
}

HKEY OpenKeyForRead(HKEY hive, const char* path) {
    return OpenKey(hive, path, KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS);
}

bool CloseRegKey(HKEY key) {
    return key && RegCloseKey(key) == ERROR_SUCCESS;
}

bool RegKeyExists(HKEY hive, const char* path) {
    return CloseRegKey(OpenKey(hive, path, KEY_QUERY_VALUE));
}

LONG DeleteRegKey(HKEY hive, const char* path) {
    char full[KeyPathSize];
    if (!MakeKeyPath(hive, path, full)) return ERROR_FILENAME_EXCED_RANGE;
    if (!full[0]) return ERROR_ACCESS_DENIED; // never a hive itself
    return RegDeleteKeyA(hive, full);
}

void DeleteRegValue(HKEY hive, const char* path, const char* name) {
    HKEY key = OpenKey(hive, path, KEY_WRITE);
    if (key) {
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
}
