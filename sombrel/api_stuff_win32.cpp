#include "sombrel/api_stuff.h"

#include "sombrel/rules/tray_tip.h"

NOTIFYICONDATAA TrayIconData;

#ifndef _WIN64
static_assert(NOTIFYICONDATAA_V1_SIZE == 88, "the first form of NOTIFYICONDATAA has 88 bytes");
#endif
static_assert(kTrayTipSize == 64, "the first form's tip field has 64 bytes");

namespace {
ClockForm* TrayForm;     // the window that owns the icon
HMENU TrayMenu;          // shown on a right click
WNDPROC PreviousWndProc; // the window's procedure before TrayAdd
// Sent to every top-level window when the notification area is made anew
// (Explorer restarted); it has forgotten every icon by then.
UINT taskbarCreatedMessage;

bool IsSystemLeadByte(unsigned char byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

void AddIcon(UINT flags) {
    TrayIconData.uFlags = flags;
    Shell_NotifyIconA(NIM_ADD, &TrayIconData);
}
} // namespace

void TrayAdd(ClockForm* window, HMENU menu) {
    TrayForm = window;
    TrayMenu = menu;
    taskbarCreatedMessage = RegisterWindowMessageA("TaskbarCreated");
    PreviousWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TrayWindowProc)));
    TrayIconData.uID = 0;
    TrayIconData.cbSize = NOTIFYICONDATAA_V1_SIZE;
    TrayIconData.hWnd = window->hwnd;
    TrayIconData.hIcon = window->icon;
    TrayIconData.uCallbackMessage = TRAY_CALLBACK_MESSAGE;
    AddIcon(NIF_MESSAGE | NIF_ICON);
}

void TraySetTip(const char* text) {
    FillTrayTip(text, TrayIconData.szTip, kTrayTipSize, IsSystemLeadByte);
    TrayIconData.uFlags = NIF_TIP;
    Shell_NotifyIconA(NIM_MODIFY, &TrayIconData);
}

void TrayRemove() {
    TrayIconData.uFlags = 0;
    Shell_NotifyIconA(NIM_DELETE, &TrayIconData);
    SetWindowLongPtrA(TrayForm->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PreviousWndProc));
}

LRESULT CALLBACK TrayWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TRAY_CALLBACK_MESSAGE && lParam == WM_LBUTTONUP) {
        if (FormGetWindowState(TrayForm) == kStateMinimised)
            FormSetWindowState(TrayForm, TrayForm->LastState);
        FormActivate(TrayForm);
        return 0;
    }
    if (message == TRAY_CALLBACK_MESSAGE && lParam == WM_RBUTTONUP) {
        ShowPopupMenu(TrayForm, TrayMenu);
        return 0;
    }
    if (message == taskbarCreatedMessage && taskbarCreatedMessage != 0)
        AddIcon(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    return CallWindowProcA(PreviousWndProc, hWnd, message, wParam, lParam);
}
