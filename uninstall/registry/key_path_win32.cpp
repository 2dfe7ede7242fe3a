// Full key paths: HKEY_CURRENT_USER paths are relative to the settings root
// unless they start with a backslash; other hives take the path as it is.
#include <cstdio>
#include "uninstall/registry/registry.h"

bool MakeKeyPath(HKEY hive, const char* path, char* buffer, int size) {
    if (size <= 0)
        return false;
    if (!path)
        path = "";
    int length;
    if (hive == HKEY_CURRENT_USER && path[0] == '\\')
        length = snprintf(buffer, size, "%s", path + 1);
    else if (hive == HKEY_CURRENT_USER)
        length = snprintf(buffer, size, "Software\\Zelkova%s%s", path[0] ? "\\" : "", path);
    else
        length = snprintf(buffer, size, "%s", path);
    if (length >= 0 && length < size)
        return true;
    buffer[0] = '\0'; // a cut path would name another key
    return false;
}
