#include "tests/e2e_sombrel/tray_icons.h"

#include <shellapi.h>

namespace {
// Wine shows each icon as a window of this class, in its own tray window
// when no desktop tray takes them.
const char kIconClass[] = "__winex11_tray_icon";

BOOL CALLBACK CountIfIcon(HWND window, LPARAM count) {
    char name[64];
    if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, kIconClass) == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

BOOL CALLBACK CountIcons(HWND topLevel, LPARAM count) {
    CountIfIcon(topLevel, count);
    EnumChildWindows(topLevel, CountIfIcon, count); // every descendant
    return TRUE;
}
} // namespace

int TrayIconCount() {
    int count = 0;
    EnumWindows(CountIcons, reinterpret_cast<LPARAM>(&count));
    return count;
}

bool ForgetTrayIcon(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 0;
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}
