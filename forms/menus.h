#pragma once
// Menus of a form: a menu bar from a menu resource whose last top-level menu
// is hidden (taken off the bar and kept as a popup menu), enabling items, and
// showing a popup menu at the mouse position.
#include "forms/form.h"

struct FormMenus {
    HMENU bar;
    HMENU hiddenPopup; // the resource's last top-level menu, not on the bar
};

// Loads the menu resource and takes its last top-level menu off the bar.
// False when the resource is missing or has no top-level menu to hide.
bool LoadMenuBarWithHiddenPopup(HINSTANCE instance, int resourceId, FormMenus* menus);

void MenuSetEnabled(HMENU menu, int itemId, bool enabled);

// Shows popup at the mouse position with default alignment; a chosen item
// reaches the form's command handler.
void ShowPopupMenu(Form* form, HMENU popup);
