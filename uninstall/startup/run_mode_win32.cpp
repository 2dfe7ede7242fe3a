// The one mode a run performs.
#include "uninstall/startup/run_mode.h"
#include <windows.h>
#include <shellapi.h>
#include "uninstall/common/exact_names.h"
#include "uninstall/common/join_path.h"
#include "uninstall/common/program_path.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/removal/run_uninstall.h"
#include "uninstall/removal/unusable_folder.h"
#include "uninstall/setup/setup_dialogs.h"
#include "uninstall/state/program_state.h"

namespace {

// SETUPDLG ends with 1 after OK; 0 is a cancel and -1 a dialog that could
// not be created, after which there is nothing to report as done.
void RunSetup() {
    if (DialogBoxParamA(ResourceModule, "SETUPDLG", nullptr, SetupDlgProc, 0) != 1) return;
    DialogBoxParamA(ResourceModule, "DONEDLG", nullptr, DoneDlgProc, 0);
    if (GroupFolderToOpen[0])
        ShellExecuteA(nullptr, "open", GroupFolderToOpen, nullptr, "", SW_SHOWNORMAL);
}

// The modes that change something must know their folders exactly: the
// program's own, and for setup the installation folder it records. The
// folder that is not, in folder; true when both are.
bool FoldersKnownExactly(Mode mode, wchar_t* folder) {
    if (mode != Mode::Uninstall && mode != Mode::Setup && mode != Mode::Clean) return true;
    return ProgramFolderIsExact(folder, PathSize) &&
           (mode != Mode::Setup || CurrentDirectoryIsExact(folder, PathSize));
}

} // namespace

int RunMode(const CommandLine& commandLine) {
    SilentMode = commandLine.silent;
    wchar_t folder[PathSize];
    if (!FoldersKnownExactly(commandLine.mode, folder))
        return RefuseUnusableFolder(SilentMode, folder);
    switch (commandLine.mode) {
    case Mode::Uninstall:
        return RunUninstall(SilentMode);
    case Mode::Setup:
        RunSetup();
        break;
    case Mode::Wait:
        Sleep(2000);
        break;
    case Mode::Warning: {
        char program[PathSize];
        if (!GetProgramPath(program, sizeof program)) program[0] = '\0';
        ShowManualRemovalNotice(program);
        break;
    }
    case Mode::Clean:
    case Mode::None:
        break;
    }
    return 0;
}
