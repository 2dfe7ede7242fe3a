// Full key paths: HKEY_CURRENT_USER paths are relative to the settings root
// unless they start with a backslash; other hives take the path as it is.
#include "uninstall/registry/registry.h"
#include "uninstall/common/format.h"
#include "uninstall/common/text.h"

bool MakeKeyPath(HKEY hive, const char* path, char* buffer, int size) {
    if (size <= 0) return false;
    if (!path) path = "";
    const std::size_t room = static_cast<std::size_t>(size);
    // A path that does not fit is refused: a cut one would name another key.
    if (hive == HKEY_CURRENT_USER && path[0] == '\\') return CopyWhole(buffer, room, path + 1);
    if (hive == HKEY_CURRENT_USER)
        return FormatWhole(buffer, room, "Software\\Zelkova%s%s", path[0] ? "\\" : "", path);
    return CopyWhole(buffer, room, path);
}
