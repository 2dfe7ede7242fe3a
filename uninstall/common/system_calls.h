#pragma once
// The system calls whose arguments decide whether a silent run can show a
// window: the shell's file operation, the library load and the process
// start. The program calls them through System; a test replaces a member
// with a recorder and puts the real calls back with RestoreSystemCalls.
#include <windows.h>
#include <shellapi.h>

struct SystemCalls {
    decltype(&SHFileOperationA) shellFileOperation;
    decltype(&LoadLibraryA) loadLibrary;
    decltype(&CreateProcessA) createProcess;
};

extern SystemCalls System;
void RestoreSystemCalls();
