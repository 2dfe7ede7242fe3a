// The one mode a run performs.
#include "uninstall/startup/run_mode.h"
#include <windows.h>
#include <shellapi.h>
#include <cstring>
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/removal/run_uninstall.h"
#include "uninstall/setup/setup_dialogs.h"
#include "uninstall/state/program_state.h"

namespace {

// SETUPDLG ends with 1 after OK; 0 is a cancel and -1 a dialog that could
// not be created, after which there is nothing to report as done.
void RunSetup() {
    if (DialogBoxParamA(ResourceModule, "SETUPDLG", nullptr, SetupDlgProc, 0) != 1)
        return;
    DialogBoxParamA(ResourceModule, "DONEDLG", nullptr, DoneDlgProc, 0);
    if (GroupFolderToOpen[0])
        ShellExecuteA(nullptr, "open", GroupFolderToOpen, nullptr, "", SW_SHOWNORMAL);
}

// "Uninstall completed", a line break, "you should delete <program> by hand".
void ShowManualRemovalNotice() {
    char program[1024];
    if (!GetProgramPath(program, sizeof program))
        program[0] = '\0';
    char text[512];
    CopyCut(text, sizeof text, ResString(5105));
    std::size_t length = std::strlen(text);
    if (length + 2 < sizeof text) {
        text[length++] = '\n';
        FormatResString(5106, program, text + length, sizeof text - length);
    }
    MessageBoxA(nullptr, text, ResString(5104), MB_ICONINFORMATION | MB_SETFOREGROUND);
}

} // namespace

void RunMode(const CommandLine& commandLine) {
    SilentMode = commandLine.silent;
    switch (commandLine.mode) {
    case Mode::Uninstall:
        RunUninstall();
        break;
    case Mode::Setup:
        RunSetup();
        break;
    case Mode::Wait:
        Sleep(2000);
        break;
    case Mode::Warning:
        ShowManualRemovalNotice();
        break;
    case Mode::Clean:
    case Mode::None:
        break;
    }
}
