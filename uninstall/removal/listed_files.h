#pragma once
// Removal of the files and folders named in the list file.
class File;

// Deletes every entry of list, joined to folder (which ends in a backslash),
// in passes over the whole list until a pass removes nothing, so that a
// folder listed before its contents goes in a later pass. Read-only, hidden
// and system entries are removed too.
void RemoveListedFiles(File& list, const char* folder);

enum class Leftovers {
    None,         // every listed entry is gone
    Scheduled,    // what is left goes when Windows starts again
    NotScheduled, // something is left for the user to delete
};

// After RemoveListedFiles: the listed entries that still exist (in use),
// except the program file and the list file, are deleted at the next start
// of Windows (BootDeletions). On the NT family: files in their list order,
// each first renamed aside within its folder, then folders, deeper ones
// first, then the program folder (the folder of program; never a drive
// root). On the 95 family through WININIT.INI, files only, by their short
// paths; a folder that is left stays for the user. A listed folder that
// still holds the user's own files (entries the list does not name) is
// neither scheduled nor counted: it is the user's.
Leftovers ScheduleLeftovers(File& list, const char* folder, const char* program, bool ntFamily);
