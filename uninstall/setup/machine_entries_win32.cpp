// The two machine-wide entries of setup:
//
//   HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Zelkova.exe
//       (default)        <program folder>\Zelkova.exe
//       Path             <current directory>
//   HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelkova archiver
//       DisplayName           string IDS_DISPLAY_NAME
//       UninstallString       <this program>, quoted when its path holds a blank
//       QuietUninstallString  "<this program>" /uninstall /s
//       DisplayIcon           "<program folder>\Zelkova.exe",0
//       InstallLocation       <program folder>: the folder the uninstall removes
//       NoModify, NoRepair    DWORD 1: setup has nothing to change or mend
//       EstimatedSize         DWORD, KB of the listed files that exist and of
//                             this program
#include <windows.h>
#include <cstring>
#include "uninstall/common/file.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/registry/registry.h"
#include "uninstall/common/list_entries.h"
#include "uninstall/setup/installation_folder.h"
#include "uninstall/setup/machine_entries.h"
#include "uninstall/setup/quoted_path.h"

namespace {
// Bytes of the file at path; 0 for a folder, a pattern or nothing. Read
// from the folder entry (GetFileAttributesExA is missing on Windows 95).
ULONGLONG FileBytes(const char* path) {
    if (std::strpbrk(path, "*?")) return 0; // never part of a name: a pattern
    WIN32_FIND_DATAA data;
    HANDLE found = FindFirstFileA(path, &data);
    if (found == INVALID_HANDLE_VALUE) return 0;
    FindClose(found);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return 0;
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// KB, rounded up, of this program and of the files in the list file that
// exist (the program counted once).
DWORD InstalledKilobytes(const char* program) {
    ULONGLONG bytes = FileBytes(program);
    char folder[PathSize], listPath[PathSize];
    File list;
    if (ProgramFilePath("", folder) &&
        JoinListEntry(listPath, sizeof listPath, folder, ListFileName) && list.Open(listPath)) {
        ListReader reader(list);
        while (const char* entry = reader.Next()) {
            char path[PathSize];
            if (JoinListEntry(path, sizeof path, folder, entry) && lstrcmpiA(path, program) != 0)
                bytes += FileBytes(path);
        }
    }
    ULONGLONG kilobytes = (bytes + 1023) / 1024;
    return kilobytes > MAXDWORD ? MAXDWORD : static_cast<DWORD>(kilobytes);
}

// The path in double quotes, then tail; false when it does not fit.
bool QuotedWith(char* dst, std::size_t size, const char* path, const char* tail) {
    if (!QuotePath(dst, size, path, true)) return false;
    std::size_t length = std::strlen(dst);
    return CopyWhole(dst + length, size - length, tail);
}
} // namespace

void RegisterAppPath() {
    char path[PathSize];
    if (ProgramFilePath("Zelkova.exe", path))
        SetRegString(HKEY_LOCAL_MACHINE, AppPathKey, "", path);
    if (GetInstallationFolder(path, sizeof path))
        SetRegString(HKEY_LOCAL_MACHINE, AppPathKey, "Path", path);
}

void RegisterUninstallEntry() {
    SetRegString(HKEY_LOCAL_MACHINE, UninstallEntryKey, "DisplayName", ResString(IDS_DISPLAY_NAME));
    char program[PathSize];
    char command[PathSize + 32];
    if (!GetProgramPath(program, sizeof program)) program[0] = '\0';
    if (program[0] && QuotePath(command, sizeof command, program, false))
        SetRegString(HKEY_LOCAL_MACHINE, UninstallEntryKey, "UninstallString", command);
    if (program[0] && QuotedWith(command, sizeof command, program, " /uninstall /s"))
        SetRegString(HKEY_LOCAL_MACHINE, UninstallEntryKey, "QuietUninstallString", command);
    char path[PathSize];
    if (ProgramFilePath("Zelkova.exe", path) && QuotedWith(command, sizeof command, path, ",0"))
        SetRegString(HKEY_LOCAL_MACHINE, UninstallEntryKey, "DisplayIcon", command);
    if (program[0] && ProgramFolder(program, path, sizeof path))
        SetRegString(HKEY_LOCAL_MACHINE, UninstallEntryKey, "InstallLocation", path);
    SetRegDword(HKEY_LOCAL_MACHINE, UninstallEntryKey, "NoModify", 1);
    SetRegDword(HKEY_LOCAL_MACHINE, UninstallEntryKey, "NoRepair", 1);
    if (program[0])
        SetRegDword(HKEY_LOCAL_MACHINE, UninstallEntryKey, "EstimatedSize",
                    InstalledKilobytes(program));
}
