#pragma once
// Removal of the files and folders named in the list file.
class File;

// Deletes every entry of list, joined to folder (which ends in a backslash),
// in passes over the whole list until a pass removes nothing, so that a
// folder listed before its contents goes in a later pass. Read-only, hidden
// and system entries are removed too. Returns the number of passes.
int RemoveListedFiles(File& list, const char* folder);
