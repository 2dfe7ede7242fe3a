#pragma once
// The icons in the notification area, as the shell shows them.
#include <windows.h>

// How many icons the notification area shows.
int TrayIconCount();

// Removes the icon (window, id 0) as a restarted notification area would have
// forgotten it.
bool ForgetTrayIcon(HWND owner);
