// The first step of every dialog procedure: right-to-left layout while the
// dialog is created, translation and scaling when it opens, help on request.
#include "uninstall/localisation/dialog_hook.h"
#include "uninstall/localisation/language_resources.h"

namespace {
void OpenHelp(HWND dialog, int helpContext) {
    if (helpContext != 0)
        WinHelpA(dialog, "zelkova.hlp", HELP_CONTEXT, static_cast<ULONG_PTR>(helpContext));
}
} // namespace

void DialogHook(HWND dialog, UINT message, WPARAM wParam, int helpContext, const char* dialogName) {
    switch (message) {
    case WM_SETFONT: // sent before WM_INITDIALOG
        Translations.ApplyLayout(dialog);
        break;
    case WM_INITDIALOG:
        Translations.LocalizeDialog(dialogName, dialog);
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDHELP) OpenHelp(dialog, helpContext);
        break;
    case WM_HELP:
        OpenHelp(dialog, helpContext);
        break;
    }
}
