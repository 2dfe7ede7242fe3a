// Deletion of a registry key with all its sub-keys.
#include "uninstall/common/format.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/registry/registry.h"

namespace {
// Keys removed by the current pass; the passes repeat while it is above 0.
int DeletedKeys = 0;

constexpr int TreePathSize = 200;   // the full path given to DeleteKeyTree
constexpr int SubKeyNameSize = 200; // an enumerated sub-key name
constexpr int ChildPathSize = 512;  // parent path, backslash, sub-key name
} // namespace

// One pass, depth first. Sub-keys are enumerated with a rising index while
// children are deleted, so a pass skips some siblings; the caller repeats
// the pass until one deletes nothing. A child whose path does not fit is
// left alone, and so is everything above it.
static void DeleteTreePass(HKEY hive, const char* path) {
    if (path[0] == '\0') return; // never a hive root
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    for (DWORD index = 0;; ++index) {
        char name[SubKeyNameSize];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        char child[ChildPathSize];
        if (FormatWhole(child, sizeof child, "%s\\%s", path, name)) DeleteTreePass(hive, child);
    }
    RegCloseKey(key);
    if (RegDeleteKeyA(hive, path) == ERROR_SUCCESS) ++DeletedKeys;
}

void DeleteKeyTree(HKEY hive, const char* path) {
    char fullPath[TreePathSize];
    if (!MakeKeyPath(hive, path, fullPath, sizeof fullPath))
        return; // refused: a cut path would name another key
    // The Windows 95 family deletes a whole tree in one call.
    if (WinNtVersion() == 0 && fullPath[0] != '\0' &&
        RegDeleteKeyA(hive, fullPath) == ERROR_SUCCESS)
        return;
    do {
        DeletedKeys = 0;
        DeleteTreePass(hive, fullPath);
    } while (DeletedKeys > 0);
}

void DeleteSettingsTree() {
    DeleteKeyTree(HKEY_CURRENT_USER, "");
}
