// The uninstall procedure: confirmation, registry, listed files, then the
// program file and its folder through a batch file run after this process.
#include <windows.h>

#include "uninstall/common/file.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/removal/batch_file.h"
#include "uninstall/removal/batch_text.h"
#include "uninstall/removal/clean_registry.h"
#include "uninstall/removal/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "uninstall/common/program_path.h"
#include "uninstall/removal/run_uninstall.h"

namespace {
constexpr int MessageSize = 512;
constexpr const char* HelpIndexFiles[] = {"zelkova.gid", "zelkova.fts"};
} // namespace

static void ShowListFileError() {
    char text[MessageSize];
    FormatResString(5108, ListFileName, text, sizeof text);
    MessageBoxA(nullptr, text, ResString(5104), MB_ICONERROR | MB_SETFOREGROUND);
}

// Registry, language library, help index and listed files. The list file is
// deleted only once everything it names is gone, so an uninstall that is
// stopped part-way can be run again. false when the list cannot be opened.
static bool RemoveInstallation(const char* folder) {
    {
        File list;
        if (!list.Open(ListFileName)) {
            ShowListFileError();
            return false;
        }
        CleanRegistry();
        LanguagePack.Unload(); // the language library can now be deleted
        for (const char* name : HelpIndexFiles) {
            SetFileAttributesA(name, 0);
            DeleteFileA(name);
        }
        RemoveListedFiles(list, folder);
    }
    DeleteFileA(ListFileName);
    return true;
}

void RunUninstall() {
    char program[PathSize];
    if (!GetProgramPath(program, sizeof program))
        return;
    char folder[PathSize];
    if (!ProgramFolder(program, folder, sizeof folder - 1))
        return;
    SetCurrentDirectoryA(folder);
    AppendBackslash(folder); // room kept above

    if (MessageBoxA(nullptr, ResString(5107), ResString(5104),
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES)
        return;
    if (!RemoveInstallation(folder))
        return;

    char batch[PathSize];
    DWORD tempLength = GetTempPathA(sizeof batch, batch);
    if (tempLength == 0 || tempLength >= sizeof batch ||
        !CopyWhole(batch + tempLength, sizeof batch - tempLength, BatchFileName))
        return;
    char current[PathSize];
    DWORD currentLength = GetCurrentDirectoryA(sizeof current, current);
    if (currentLength == 0 || currentLength >= sizeof current)
        return;
    bool ntFamily = WinNtVersion() != 0;
    if (!WriteBatchFile(batch, program, current, ntFamily))
        return;
    // The batch run starts in the parent folder, so that the program folder
    // is nobody's current directory when it is removed.
    SetCurrentDirectoryA("..");
    StartBatch(batch, ntFamily);
    ExitProcess(0);
}
