#pragma once
// Files and folders deleted at the next start of Windows: on the NT family
// through the pending-rename list, on the 95 family through the "[rename]"
// section of WININIT.INI (files only, by their short paths).
#include "uninstall/common/join_path.h"

class BootDeletions {
  public:
    explicit BootDeletions(bool ntFamily) : nt(ntFamily) {}
    BootDeletions(const BootDeletions&) = delete;
    BootDeletions& operator=(const BootDeletions&) = delete;

    // On the NT family the file is first renamed within its folder to a
    // name no installation uses ("~1~zkvext.dll"), so that a file of its
    // old name put there before the restart (a reinstallation) is not the
    // one deleted; when that rename fails, the file goes by its own name.
    bool AddFile(const char* path);
    // The 95 family's mechanism deletes files only: false there.
    bool AddFolder(const char* path);
    // Whether path is a file that AddFile renamed in this run.
    bool Renamed(const char* path) const;
    // Writes what the 95 family needs; false when it could not.
    bool Finish();

  private:
    bool RenameAside(const char* path, char* renamed);
    bool WriteWininit() const;

    bool nt;
    char lines[8 * 1024] = "";   // "NUL=<short path>" lines for WININIT.INI
    char renamed[8 * 1024] = ""; // the renamed paths, each ended by a '\0'
    int renamedLength = 0;
};
