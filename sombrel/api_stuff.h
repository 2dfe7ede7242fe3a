#pragma once
// The clock window's icon in the notification area. The icon reports mouse
// actions as TRAY_CALLBACK_MESSAGE to the window, so TrayAdd replaces the
// window's procedure with TrayWindowProc, which handles that message and
// passes everything else on.
#include "sombrel/form1.h"

#include <shellapi.h>

#include <cstddef>

constexpr UINT TRAY_CALLBACK_MESSAGE = 2025;

// The block handed to the shell, used in its first form
// (NOTIFYICONDATAA_V1_SIZE); the tests read it as the shell would.
extern NOTIFYICONDATAA TrayIconData;

// The tip field of the first form: the shell reads no further than its end.
constexpr size_t kTrayTipSize = NOTIFYICONDATAA_V1_SIZE - offsetof(NOTIFYICONDATAA, szTip);

// Subclasses the window and adds the icon.
void TrayAdd(ClockForm* window, HMENU menu);
// Sets the tip: the text (cut to at most 63 bytes, between two characters of
// the system code page), one NUL, padded with spaces to the end of the first
// form's 64-byte field.
void TraySetTip(const char* text);
// Deletes the icon and gives the window its previous procedure back.
void TrayRemove();

LRESULT CALLBACK TrayWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
