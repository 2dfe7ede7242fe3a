// The self-test's target: one dialog whose status line reports each thing
// done to it, so the test can see that the driver's actions arrived.
// Exit code: 100 + the check state of Option after OK, 2 after Cancel.
#include <windows.h>
#include <stdarg.h>
#include <stdio.h>
#include "tests/driver_selftest/target_ids.h"

namespace {
const char* const kChoices[] = {"Alpha", "Beta", "Gamma"};
const char* const kItems[] = {"One", "Two"};

__attribute__((format(printf, 2, 3))) void SetStatus(HWND dialog, const char* format, ...) {
    char status[256];
    va_list args;
    va_start(args, format);
    vsnprintf(status, sizeof status, format, args);
    va_end(args);
    SetDlgItemTextA(dialog, IDC_STATUS, status);
}

void OnCommand(HWND dialog, int id, int code) {
    char text[128] = "";
    switch (id) {
    case IDC_NAME:
        if (code != EN_CHANGE) return;
        GetDlgItemTextA(dialog, IDC_NAME, text, sizeof text);
        return SetStatus(dialog, "name %s", text);
    case IDC_CHOICE:
        if (code != CBN_SELCHANGE) return;
        GetDlgItemTextA(dialog, IDC_CHOICE, text, sizeof text);
        return SetStatus(dialog, "choice %s", text);
    case IDC_ITEMS:
        if (code != LBN_SELCHANGE) return;
        return SetStatus(
            dialog, "item %d",
            static_cast<int>(SendDlgItemMessageA(dialog, IDC_ITEMS, LB_GETCURSEL, 0, 0)));
    case IDC_ASK: {
        LoadStringA(GetModuleHandleA(nullptr), IDS_QUESTION, text, sizeof text);
        return SetStatus(dialog, "answer %d", MessageBoxA(dialog, text, "Question", MB_YESNO));
    }
    case IDM_PING:
        return SetStatus(dialog, "command %d", code);
    case IDOK:
        EndDialog(dialog, 100 + IsDlgButtonChecked(dialog, IDC_OPTION));
        return;
    case IDCANCEL:
        EndDialog(dialog, 2);
        return;
    }
}

INT_PTR CALLBACK TargetProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        for (const char* item : kChoices)
            SendDlgItemMessageA(dialog, IDC_CHOICE, CB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item));
        SendDlgItemMessageA(dialog, IDC_CHOICE, CB_SETCURSEL, 0, 0);
        for (const char* item : kItems)
            SendDlgItemMessageA(dialog, IDC_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_LBUTTONUP:
        SetStatus(dialog, "click %d,%d", LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    }
    return FALSE;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return static_cast<int>(
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_TARGET), nullptr, TargetProc, 0));
}
