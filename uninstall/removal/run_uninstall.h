#pragma once
// Removes Zelkova: confirmation, registry, listed files, then the program
// file and folder through a batch file. Returns only when it stops early.
void RunUninstall();

// "Uninstall completed", a line break, "you should delete <path> manually",
// under the program's caption: the batch file's "/warning" run names the
// program file, an uninstall that cannot hand over to the batch file names
// the program folder.
void ShowManualRemovalNotice(const char* path);
