#include "forms/menus.h"

bool LoadMenuBarWithHiddenPopup(HINSTANCE instance, int resourceId, FormMenus* menus) {
    menus->bar = LoadMenuA(instance, MAKEINTRESOURCEA(resourceId));
    menus->hiddenPopup = nullptr;
    if (!menus->bar) return false;
    const int last = GetMenuItemCount(menus->bar) - 1;
    menus->hiddenPopup = last >= 0 ? GetSubMenu(menus->bar, last) : nullptr;
    if (!menus->hiddenPopup) return false;
    // RemoveMenu detaches the popup without destroying it.
    return RemoveMenu(menus->bar, static_cast<UINT>(last), MF_BYPOSITION) != FALSE;
}

void MenuSetEnabled(HMENU menu, int itemId, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(itemId),
                   MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void ShowPopupMenu(Form* form, HMENU popup) {
    POINT at;
    GetCursorPos(&at);
    // The owner must be in front, or the popup does not close when the user
    // clicks elsewhere; the posted message lets it close after a choice.
    SetForegroundWindow(form->hwnd);
    TrackPopupMenu(popup, 0, at.x, at.y, 0, form->hwnd, nullptr);
    PostMessageA(form->hwnd, WM_NULL, 0, 0);
}
