#include "uninstall/removal/boot_deletions.h"

#include <windows.h>

#include <cstring>

#include "uninstall/common/format.h"
#include "uninstall/common/paths.h"
#include "uninstall/removal/wininit_text.h"

namespace {
constexpr int WininitSize = 32 * 1024; // far more than the file ever holds
constexpr int RenameAttempts = 100;
// WININIT.INI as read and as written.
char WininitBefore[WininitSize], WininitAfter[WininitSize];

// Writes bytes as the new file path; false, with no file left, when the
// file cannot be made or written whole.
bool WriteNewFile(const char* path, const char* bytes, DWORD length) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool whole = WriteFile(file, bytes, length, &written, nullptr) && written == length;
    whole = CloseHandle(file) && whole;
    if (!whole) DeleteFileA(path);
    return whole;
}

// Puts the complete file fresh in the place of target (which may be
// missing); fresh goes when it cannot. The 95 family has no MoveFileExA:
// there the old file goes first, and only then does the new one take its
// name.
bool ReplaceWith(const char* fresh, const char* target) {
    if (MoveFileExA(fresh, target, MOVEFILE_REPLACE_EXISTING)) return true;
    if (GetLastError() != ERROR_CALL_NOT_IMPLEMENTED ||
        (!DeleteFileA(target) && GetLastError() != ERROR_FILE_NOT_FOUND)) {
        DeleteFileA(fresh);
        return false;
    }
    return MoveFileA(fresh, target) != 0; // else fresh keeps every line
}
} // namespace

bool BootDeletions::RenameAside(const char* path, char* out) {
    const char* name = NamePart(path);
    const std::size_t folderLength = static_cast<std::size_t>(name - path);
    if (folderLength == 0 || folderLength >= PathSize) return false;
    std::memcpy(out, path, folderLength);
    for (int n = 1; n <= RenameAttempts; ++n) {
        if (!FormatWhole(out + folderLength, PathSize - folderLength, "~%d~%s", n, name))
            return false;
        if (MoveFileExA(path, out, 0)) return true;
        DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

bool BootDeletions::AddFile(const char* path) {
    if (nt) {
        char aside[PathSize];
        const std::size_t room = sizeof renamed - static_cast<std::size_t>(renamedLength);
        if (RenameAside(path, aside)) {
            if (MoveFileExA(aside, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) {
                const std::size_t length = std::strlen(aside) + 1;
                if (length < room) { // else it is still scheduled, only not known as renamed
                    std::memcpy(renamed + renamedLength, aside, length);
                    renamedLength += static_cast<int>(length);
                }
                return true;
            }
            MoveFileExA(aside, path, 0); // left to the user under its own name
        }
        return MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
    }
    char shortPath[PathSize];
    DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    return length > 0 && length < sizeof shortPath &&
           AppendDeleteLine(lines, sizeof lines, shortPath);
}

bool BootDeletions::AddFolder(const char* path) {
    return nt && MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) != 0;
}

bool BootDeletions::Renamed(const char* path) const {
    for (const char* p = renamed; p < renamed + renamedLength; p += std::strlen(p) + 1) {
        if (lstrcmpiA(p, path) == 0) return true;
    }
    return false;
}

bool BootDeletions::Finish() {
    return nt || !lines[0] || WriteWininit();
}

// Reads WININIT.INI (when there is one), adds the lines to its "[rename]"
// section and puts the whole text in its place through a new file in the
// same folder, so that a write that fails half-way (a full disk) never
// loses another program's lines.
bool BootDeletions::WriteWininit() const {
    char folder[MAX_PATH], name[PathSize], fresh[MAX_PATH];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    if (length == 0 || length >= sizeof folder ||
        !JoinPath(name, sizeof name, folder, "WININIT.INI"))
        return false;

    DWORD read = 0;
    HANDLE file =
        CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        bool whole =
            ReadFile(file, WininitBefore, WininitSize, &read, nullptr) && read < WininitSize;
        CloseHandle(file);
        if (!whole) return false; // never cut another program's lines
    } else if (GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    long total = AddRenameLines(WininitBefore, read, lines, WininitAfter, WininitSize);
    if (total < 0 || !GetTempFileNameA(folder, "zk", 0, fresh)) return false;
    return WriteNewFile(fresh, WininitAfter, static_cast<DWORD>(total)) && ReplaceWith(fresh, name);
}
