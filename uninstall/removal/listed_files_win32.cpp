#include <windows.h>

#include "uninstall/common/file.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/common/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "uninstall/removal/boot_deletions.h"

namespace {

bool RemoveEntry(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    SetFileAttributesA(path, 0);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return RemoveDirectoryA(path) != 0;
    return DeleteFileA(path) != 0;
}

// How many folders deep an entry lies: its separators that are followed by
// more of the name ("a\b" and "a\b\" are both 1).
int Depth(const char* entry) {
    int depth = 0;
    for (const char* p = entry; *p; p = NextChar(p)) {
        if (IsSeparator(static_cast<unsigned char>(*p)) && p[1] &&
            !IsSeparator(static_cast<unsigned char>(p[1])))
            ++depth;
    }
    return depth;
}

// path in a form for comparing: separators as '\', none at the end.
bool ComparablePath(char* out, const char* path) {
    if (!CopyWhole(out, PathSize, path)) return false;
    for (char* p = out; *p; p = NextChar(p)) {
        if (IsSeparator(static_cast<unsigned char>(*p))) *p = '\\';
    }
    for (char* last; *out && *(last = LastCharPtr(out)) == '\\';)
        *last = '\0';
    return true;
}

// Whether the list file at listFile names path, joined to folder.
bool Listed(const char* path, const char* listFile, const char* folder) {
    char wanted[PathSize];
    File list;
    if (!ComparablePath(wanted, path) || !list.Open(listFile)) return false;
    ListReader reader(list);
    while (const char* entry = reader.Next()) {
        char joined[PathSize], listed[PathSize];
        if (JoinListEntry(joined, sizeof joined, folder, entry) && ComparablePath(listed, joined) &&
            lstrcmpiA(listed, wanted) == 0)
            return true;
    }
    return false;
}

// Whether a folder that is left holds only what is ours: entries the list
// names (folders again with only ours inside) and files renamed aside in
// this run. A folder with the user's own files in it is the user's.
bool HoldsOnlyOurs(const char* listedPath, const char* listFile, const char* folder,
                   const BootDeletions& deletions) {
    char path[PathSize], pattern[PathSize];
    WIN32_FIND_DATAA item;
    if (!ComparablePath(path, listedPath) || !JoinPath(pattern, sizeof pattern, path, "*"))
        return false;
    HANDLE search = FindFirstFileA(pattern, &item);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool ours = true;
    do {
        char child[PathSize];
        if (lstrcmpA(item.cFileName, ".") == 0 || lstrcmpA(item.cFileName, "..") == 0) continue;
        ours = JoinPath(child, sizeof child, path, item.cFileName) &&
               (deletions.Renamed(child) || (Listed(child, listFile, folder) &&
                                             (!(item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
                                              HoldsOnlyOurs(child, listFile, folder, deletions))));
    } while (ours && FindNextFileA(search, &item));
    FindClose(search);
    return ours;
}

} // namespace

void RemoveListedFiles(File& list, const char* folder) {
    ListReader reader(list);
    int removed;
    do {
        removed = 0;
        reader.Rewind();
        while (const char* entry = reader.Next()) {
            char path[PathSize];
            if (JoinListEntry(path, sizeof path, folder, entry) && RemoveEntry(path)) ++removed;
        }
    } while (removed > 0);
}

Leftovers ScheduleLeftovers(File& list, const char* folder, const char* program, bool ntFamily) {
    char listFile[PathSize];
    if (!JoinListEntry(listFile, sizeof listFile, folder, ListFileName)) listFile[0] = '\0';
    ListReader reader(list);
    BootDeletions deletions(ntFamily);
    bool left = false, allScheduled = true;
    int deepest = -1;
    // Whether path is left over; folders count in their own passes below.
    auto leftOver = [&](const char* path, bool* isFolder) {
        DWORD attributes = GetFileAttributesA(path);
        *isFolder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        return attributes != INVALID_FILE_ATTRIBUTES && lstrcmpiA(path, program) != 0 &&
               lstrcmpiA(path, listFile) != 0;
    };

    reader.Rewind();
    while (const char* entry = reader.Next()) {
        char path[PathSize];
        bool isFolder;
        if (!JoinListEntry(path, sizeof path, folder, entry) || !leftOver(path, &isFolder))
            continue;
        if (isFolder) {
            int depth = Depth(entry);
            deepest = depth > deepest ? depth : deepest;
            continue;
        }
        left = true;
        if (!deletions.AddFile(path)) allScheduled = false;
    }
    // A folder can only go once everything in it has gone. One that holds
    // the user's own files is neither scheduled nor left over: it stays.
    for (int depth = deepest; depth >= 0; --depth) {
        reader.Rewind();
        while (const char* entry = reader.Next()) {
            char path[PathSize];
            bool isFolder;
            if (Depth(entry) != depth || !JoinListEntry(path, sizeof path, folder, entry) ||
                !leftOver(path, &isFolder) || !isFolder ||
                !HoldsOnlyOurs(path, listFile, folder, deletions))
                continue;
            left = true;
            if (!deletions.AddFolder(path)) allScheduled = false;
        }
    }
    if (!left) return Leftovers::None;
    // The program folder last, once the batch file has taken the program.
    char programFolder[PathSize];
    if (ntFamily && ProgramFolder(program, programFolder, sizeof programFolder) &&
        *LastCharPtr(programFolder) != '\\') // never a drive root
        allScheduled = deletions.AddFolder(programFolder) && allScheduled;
    allScheduled = deletions.Finish() && allScheduled;
    return allScheduled ? Leftovers::Scheduled : Leftovers::NotScheduled;
}
