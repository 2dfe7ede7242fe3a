// SETUPDLG, where the user picks archive types, links and Explorer
// integration, and CONTEXTITEMS, which picks the shell extension's commands.
#include <windows.h>
#include <richedit.h>
#include "uninstall/common/shell.h"
#include "uninstall/localisation/dialog_hook.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/registry/registry.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/setup/machine_entries.h"
#include "uninstall/setup/setup_choices.h"
#include "uninstall/setup/setup_dialogs.h"
#include "uninstall/setup/setup_options.h"
#include "uninstall/state/program_state.h"

namespace {
static_assert(IDC_ISO_BOX - IDC_ZKV_BOX + 1 == ArchiveGroupCount, "one type box per group");

// The values of the CONTEXTITEMS boxes, in the order of their ids.
const char* const MenuItemValues[] = {"ExtrTo", "ExtrHere", "Extr",     "ExtrSep", "OpenSFX",
                                      "AddTo",  "AddArc",   "EmailArc", "EmailOpt"};
static_assert(IDC_EMAIL_ARCHIVE_BOX - IDC_EXTRACT_FILES_BOX + 1 ==
                  sizeof MenuItemValues / sizeof MenuItemValues[0],
              "one box per value");
const char MenuItemsKey[] = "Setup\\MenuItems";

void ShowChoices(HWND dialog, const SetupChoices& choices) {
    for (int group = 0; group < ArchiveGroupCount; ++group) {
        CheckDlgButton(dialog, IDC_ZKV_BOX + group, choices.Associate[group]);
    }
    for (const SetupOption& option : SetupOptions) {
        CheckDlgButton(dialog, option.controlId, choices.*option.field);
    }
    EnableDlgItem(dialog, IDC_CASCADED_MENU_BOX, choices.ShellExt);
    EnableDlgItem(dialog, IDC_MENU_ICONS_BOX, choices.ShellExt);
}

SetupChoices ReadChoices(HWND dialog) {
    SetupChoices choices;
    for (int group = 0; group < ArchiveGroupCount; ++group) {
        choices.Associate[group] = IsDlgButtonChecked(dialog, IDC_ZKV_BOX + group) != 0;
    }
    for (const SetupOption& option : SetupOptions) {
        choices.*option.field = IsDlgButtonChecked(dialog, option.controlId) != 0;
    }
    return choices;
}

void ConfirmSetup(HWND dialog) {
    SetupChoices choices = ReadChoices(dialog);
    SaveSetupChoices(choices);
    ApplySetupChoices(choices, GroupFolderToOpen);
    RegisterUninstallEntry();
    EndDialog(dialog, 1);
}

void InitSetupDialog(HWND dialog) {
    SetupChoices choices;
    LoadSetupChoices(&choices);
    ShowChoices(dialog, choices);
    SetForegroundWindow(dialog);
    SendMessageA(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(AppIcon));
    SendDlgItemMessageA(dialog, IDC_EXPLANATION_TEXT, EM_SETBKGNDCOLOR, 0,
                        GetSysColor(COLOR_BTNFACE));
    if (SilentMode) SendMessageA(dialog, WM_COMMAND, IDOK, 0);
}
} // namespace

INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogHook(dialog, message, wParam, 268, "SETUPDLG");
    if (message == WM_INITDIALOG) {
        InitSetupDialog(dialog);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        ConfirmSetup(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_SHELL_EXT_BOX:
        ShowChoices(dialog, ReadChoices(dialog)); // enables or greys the two boxes below
        break;
    case IDC_SELECT_ALL_BUTTON:
        for (int group = 0; group < ArchiveGroupCount; ++group) {
            CheckDlgButton(dialog, IDC_ZKV_BOX + group, BST_CHECKED);
        }
        break;
    case IDC_CONTEXT_ITEMS_BUTTON:
        DialogBoxParamA(ResourceModule, "CONTEXTITEMS", dialog, ContextItemsDlgProc, 0);
        break;
    }
    return TRUE;
}

INT_PTR CALLBACK ContextItemsDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogHook(dialog, message, wParam, 310, "CONTEXTITEMS");
    int id = IDC_EXTRACT_FILES_BOX;
    switch (message) {
    case WM_HELP:
        return TRUE;
    case WM_INITDIALOG:
        for (const char* value : MenuItemValues) {
            CheckDlgButton(dialog, id++, GetSettingDword(MenuItemsKey, value, 1));
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            for (const char* value : MenuItemValues) {
                SetSettingDword(MenuItemsKey, value, IsDlgButtonChecked(dialog, id++));
            }
            EndDialog(dialog, 1);
        } else if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        }
        return FALSE;
    }
    return FALSE;
}
