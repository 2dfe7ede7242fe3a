#pragma once
#include <windows.h>
// Undoes everything setup wrote into the registry and the shell.
void CleanRegistry();
// Deletes a key with all its sub-keys (path as for the registry layer).
void DeleteKeyTree(HKEY hive, const char* path);
// Keys removed by the last deletion pass.
extern int DeletedKeys;
