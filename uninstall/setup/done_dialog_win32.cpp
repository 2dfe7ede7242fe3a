// DONEDLG: where Zelkova was installed, and buttons that start it, open its
// help, its licence and its home page. It changes nothing in the system.
#include <windows.h>
#include <shellapi.h>
#include "uninstall/common/shell.h"
#include "uninstall/localisation/dialog_hook.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/setup/installation_folder.h"
#include "uninstall/setup/quoted_path.h"
#include "uninstall/setup/setup_dialogs.h"
#include "uninstall/state/program_state.h"

namespace {
void StartZelkova() {
    char program[PathSize];
    char command[PathSize + 2];
    // Quoted, so that a folder with blanks cannot start another program.
    if (InstalledFilePath("Zelkova.exe", program) &&
        QuotePath(command, sizeof command, program, true)) {
        LaunchProgram(command);
    }
}

void OpenLicence() {
    char licence[PathSize];
    if (InstalledFilePath("license.txt", licence)) {
        ShellExecuteA(nullptr, "open", licence, nullptr, "", SW_SHOWNORMAL);
    }
}

void InitDoneDialog(HWND dialog) {
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIcon));
    SendDlgItemMessageA(dialog, IDC_THANKS_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(BoldFont),
                        FALSE);
    char folder[PathSize];
    if (GetInstallationFolder(folder, sizeof folder))
        SetDlgItemTextA(dialog, IDC_FOLDER_TEXT, folder);
    if (SilentMode) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}
} // namespace

INT_PTR CALLBACK DoneDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogHook(dialog, message, wParam, 0, "DONEDLG");
    if (message == WM_INITDIALOG) {
        InitDoneDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL:
        EndDialog(dialog, 1);
        break;
    case IDC_RUN_ZELKOVA_BUTTON:
        StartZelkova();
        break;
    case IDC_READ_HELP_BUTTON:
        WinHelpA(dialog, "zelkova.hlp", HELP_FINDER, 0);
        break;
    case IDC_LICENCE_BUTTON:
        OpenLicence();
        break;
    case IDC_HOME_PAGE_BUTTON:
        ShellExecuteA(nullptr, "open", ResString(IDS_HOME_PAGE_URL), nullptr, "", SW_SHOWNORMAL);
        break;
    }
    return TRUE;
}
