#pragma once
// Program-wide state set at start-up and read by the setup dialogs.
#include <windows.h>

extern bool SilentMode;
extern HICON AppIcon;
extern HFONT BoldFont;
extern char GroupFolderToOpen[1024];
