#include <windows.h>

#include "uninstall/common/file.h"
#include "uninstall/removal/list_entries.h"
#include "uninstall/removal/listed_files.h"

static bool RemoveEntry(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    SetFileAttributesA(path, 0);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return RemoveDirectoryA(path) != 0;
    return DeleteFileA(path) != 0;
}

int RemoveListedFiles(File& list, const char* folder) {
    ListReader reader(list);
    int passes = 0;
    int removed;
    do {
        ++passes;
        removed = 0;
        reader.Rewind();
        while (const char* entry = reader.Next()) {
            char path[1024];
            if (JoinListEntry(path, sizeof path, folder, entry) && RemoveEntry(path))
                ++removed;
        }
    } while (removed > 0);
    return passes;
}
