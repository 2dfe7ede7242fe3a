// Program-wide state: set at start-up and by setup, read by the dialogs.
#include "uninstall/state/program_state.h"

bool SilentMode = false;
HICON AppIcon = nullptr;
HFONT BoldFont = nullptr;
char GroupFolderToOpen[1024] = "";
