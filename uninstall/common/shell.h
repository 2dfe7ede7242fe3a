#pragma once
// Process start, shell delete, the desktop folder and dialog controls.
#include <windows.h>

// Desktop folder of the user into buffer (at least MAX_PATH bytes);
// empty when it cannot be resolved.
void GetDesktopFolder(char* buffer);
// Deletes a file or a folder with its contents, silently and without the
// Recycle Bin. Never a drive root; false when path does not exist or does
// not fit in 1,024 bytes.
bool ShellDelete(const char* path);
// Starts a command line without waiting for it.
bool LaunchProgram(char* commandLine);
void EnableDlgItem(HWND dialog, int id, bool enable);
