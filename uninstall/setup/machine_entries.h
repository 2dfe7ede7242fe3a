#pragma once
// The two machine-wide entries of setup, under HKEY_LOCAL_MACHINE. The
// uninstall deletes both keys.

constexpr char AppPathKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zelkova.exe";
constexpr char UninstallEntryKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver";

void RegisterAppPath();
void RegisterUninstallEntry();
