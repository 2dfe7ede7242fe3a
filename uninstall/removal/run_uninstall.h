#pragma once
// Removes Zelkova: confirmation, registry, listed files, then the program
// file and folder through a batch file.
#include "uninstall/common/exact_names.h"

// The exit codes of a silent uninstall ("/uninstall /s"); an interactive one
// tells the user and always ends with 0.
enum UninstallResult : int {
    // Everything listed is gone; the batch run removes the program file and
    // its folder once this process has ended.
    UninstallStarted = 0,
    // No list file (or no program folder to find it in): nothing changed.
    UninstallNoListFile = 2,
    // The listed files are gone, but no batch run could be prepared or
    // started: the program file and its folder stay.
    UninstallNoFinalStep = 3,
    // Started, but files in use could not be scheduled for deletion at the
    // next start of Windows: they and their folders stay.
    UninstallLeftInUse = 4,
    // The program folder's name cannot be used with the system's language
    // setting (the ANSI code page): nothing changed.
    UninstallFolderNameUnusable = UnusableFolderExitCode,
    // Started; files in use go at the next start of Windows (the code
    // installers use for "restart needed").
    UninstallRestartNeeded = 3010,
};

// silent: no confirmation and no message box. Ends the process when the
// batch run has started; otherwise returns the exit code.
int RunUninstall(bool silent);

// "Uninstall completed", a line break, "you should delete <path> manually",
// under the program's caption: the batch file's "/warning" run names the
// program file, an uninstall that cannot hand over to the batch file names
// the program folder.
void ShowManualRemovalNotice(const char* path);
