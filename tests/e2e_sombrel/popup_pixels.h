#pragma once
// Reads an open popup menu from the screen: another process's menu handle
// cannot be queried (MN_GETHMENU gives it, but Wine answers GetMenuState and
// GetMenuItemCount on it with a failure), but its items can be seen. The menu
// paints on its own thread after it is shown: poll until the rows are there.
#include <windows.h>

#include <string>

// The popup menu window (class "#32768") of the process, once it is shown.
HWND WaitForPopupMenu(DWORD processId);

// One letter per item row, top to bottom: 'E' for an item drawn in the menu
// text colour (enabled), 'D' for one drawn only in other inks (disabled, or
// the separator). Empty when the screen cannot be read.
std::string PopupItemInk(HWND popup);

// Closes the popup menu as Esc would.
void ClosePopupMenu(HWND popup);
