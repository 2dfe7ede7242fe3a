// Links to Zelkova: "Zelkova.lnk" on the desktop and at the top of the Start
// menu, and a "Zelkova" program group (per user, and for all users on the
// NT family) with links to the archiver, its help and the console manual.
// A ticked choice creates or rewrites its links, an unticked one deletes them.
#include <windows.h>
#include <shlobj.h>
#include "uninstall/common/format.h"
#include "uninstall/common/shell.h"
#include "uninstall/common/text.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/common/program_path.h"
#include "uninstall/setup/shell_integration.h"
#include "uninstall/setup/shell_link.h"

namespace {
struct GroupLink {
    const char* name;
    const char* fileName; // in the program folder
};

bool SpecialFolder(IMalloc* allocator, int csidl, char* path) {
    LPITEMIDLIST items = nullptr;
    path[0] = '\0';
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items))) return false;
    bool found = SHGetPathFromIDListA(items, path) != FALSE;
    allocator->Free(items);
    return found && path[0] != '\0';
}

// The link "Zelkova.lnk" in folder: created when wanted and there is a
// target (null when its path could not be built), else deleted.
void UpdateLink(const char* folder, bool wanted, const char* target) {
    char link[PathSize];
    if (folder[0] == '\0' || !JoinPath(link, sizeof link, folder, "Zelkova.lnk")) return;
    if (!wanted) {
        DeleteFileA(link);
    } else if (target) {
        CreateShellLink(target, link, "Zelkova");
    }
}

// The group is made only when the program folder gives usable link targets
// (canCreate); an unwanted group is deleted in any case.
void UpdateGroup(const char* programsFolder, bool wanted, bool canCreate,
                 const GroupLink (&links)[3], char* groupFolder) {
    char folder[PathSize];
    if (!JoinPath(folder, sizeof folder, programsFolder, "Zelkova")) return;
    if (!wanted) {
        ShellDelete(folder);
        return;
    }
    if (!canCreate) return;
    if (groupFolder) CopyWhole(groupFolder, PathSize, folder);
    CreateDirectoryA(folder, nullptr);
    for (const GroupLink& entry : links) {
        char name[300]; // a string-table text of at most 255 bytes and ".lnk"
        char link[PathSize];
        char target[PathSize];
        if (FormatWhole(name, sizeof name, "%s.lnk", entry.name) &&
            JoinPath(link, sizeof link, folder, name) && ProgramFilePath(entry.fileName, target)) {
            CreateShellLink(target, link, "Zelkova");
        }
    }
}
} // namespace

void UpdateShortcuts(const SetupChoices& choices, char* groupFolder) {
    // Only the links need the program folder; the deletions run without it.
    char target[PathSize];
    const bool haveTarget = ProgramFilePath("Zelkova.exe", target);
    const char* linkTarget = haveTarget ? target : nullptr;
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return;

    char folder[PathSize];
    GetDesktopFolder(folder);
    UpdateLink(folder, choices.Desktop, linkTarget);
    SpecialFolder(allocator, CSIDL_STARTMENU, folder);
    UpdateLink(folder, choices.StartMenu, linkTarget);

    const GroupLink links[3] = {{"Zelkova", "Zelkova.exe"},
                                {ResString(IDS_HELP_LINK), "Zelkova.hlp"},
                                {ResString(IDS_MANUAL_LINK), "Zkv.txt"}};
    if (SpecialFolder(allocator, CSIDL_PROGRAMS, folder)) {
        UpdateGroup(folder, choices.Programs, haveTarget, links, groupFolder);
    }
    if (WinNtVersion() != 0 && SpecialFolder(allocator, CSIDL_COMMON_PROGRAMS, folder)) {
        UpdateGroup(folder, choices.Programs, haveTarget, links, nullptr);
    }
    allocator->Release();
}
