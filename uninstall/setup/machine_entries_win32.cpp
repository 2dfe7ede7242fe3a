// The two machine-wide entries of setup:
//
//   HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\Zelkova.exe
//       (default)        <program folder>\Zelkova.exe
//       Path             <current directory>
//   HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelkova archiver
//       DisplayName      string 5101
//       UninstallString  <this program>, quoted when its path holds a blank
#include <windows.h>
#include "uninstall/common/program_path.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/registry/registry.h"
#include "uninstall/setup/installation_folder.h"
#include "uninstall/setup/quoted_path.h"
#include "uninstall/setup/setup_choices.h"

namespace {
const char AppPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zelkova.exe";
const char UninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver";
} // namespace

void RegisterAppPath() {
    char path[PathSize];
    if (ProgramFilePath("Zelkova.exe", path)) SetRegString(HKEY_LOCAL_MACHINE, AppPathKey, "", path);
    if (GetInstallationFolder(path, sizeof path)) SetRegString(HKEY_LOCAL_MACHINE, AppPathKey, "Path", path);
}

void RegisterUninstallEntry() {
    SetRegString(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName", ResString(5101));
    char program[PathSize];
    char command[PathSize + 2];
    if (GetProgramPath(program, sizeof program) &&
        QuotePath(command, sizeof command, program, false)) {
        SetRegString(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString", command);
    }
}
