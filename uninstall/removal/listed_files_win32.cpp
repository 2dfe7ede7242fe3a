#include <windows.h>

#include "uninstall/common/file.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "uninstall/removal/wininit_text.h"

namespace {

constexpr int WininitSize = 32 * 1024; // far more than the file ever holds
constexpr int DeleteLinesSize = 8 * 1024;
// WININIT.INI as read and as written.
char WininitBefore[WininitSize], WininitAfter[WininitSize];

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

// The lines for WININIT.INI, collected first and written at once.
class BootDeletions {
  public:
    explicit BootDeletions(bool ntFamily) : nt(ntFamily) {}

    bool AddFile(const char* path) {
        if (nt) return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
        char shortPath[PathSize];
        DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
        return length > 0 && length < sizeof shortPath &&
               AppendDeleteLine(lines, sizeof lines, shortPath);
    }
    // The 95 family's mechanism deletes files only.
    bool AddFolder(const char* path) {
        return nt && MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
    }
    bool Finish() { return nt || !lines[0] || WriteWininit(); }

  private:
    bool WriteWininit() const;

    bool nt;
    char lines[DeleteLinesSize] = "";
};

// Reads WININIT.INI (when there is one), adds the lines to its "[rename]"
// section and writes it back whole.
bool BootDeletions::WriteWininit() const {
    char name[PathSize];
    UINT length = GetWindowsDirectoryA(name, sizeof name);
    if (length == 0 || length >= sizeof name || !JoinPath(name, sizeof name, name, "WININIT.INI"))
        return false;

    char* const before = WininitBefore;
    char* const after = WininitAfter;
    DWORD read = 0;
    HANDLE file =
        CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        bool whole = ReadFile(file, before, WininitSize, &read, nullptr) && read < WininitSize;
        CloseHandle(file);
        if (!whole) return false; // never cut another program's lines
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    long total = AddRenameLines(before, read, lines, after, WininitSize);
    if (total < 0) return false;
    file =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, after, static_cast<DWORD>(total), &written, nullptr) &&
              written == static_cast<DWORD>(total);
    CloseHandle(file);
    return ok;
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
    // Whether path is left over; folders only count (and are skipped) here.
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
        left = true;
        if (isFolder) {
            int depth = Depth(entry);
            deepest = depth > deepest ? depth : deepest;
        } else if (!deletions.AddFile(path)) {
            allScheduled = false;
        }
    }
    // A folder can only go once everything in it has gone.
    for (int depth = deepest; depth >= 0; --depth) {
        reader.Rewind();
        while (const char* entry = reader.Next()) {
            char path[PathSize];
            bool isFolder;
            if (Depth(entry) == depth && JoinListEntry(path, sizeof path, folder, entry) &&
                leftOver(path, &isFolder) && isFolder && !deletions.AddFolder(path))
                allScheduled = false;
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
