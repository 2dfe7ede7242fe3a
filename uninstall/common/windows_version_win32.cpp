#include "uninstall/common/windows_version.h"
#include <windows.h>

#ifndef _WIN64
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA of the 32-bit API");
#endif

namespace {

WindowsVersionInfo cached = {-1, 0, 0};
bool overridden = false;
WindowsVersionInfo presented = {0, 0, 0}; // by a test, while overridden

} // namespace

WindowsVersionInfo WindowsVersion() {
    if (overridden) return presented;
    if (cached.platform == -1) {
        OSVERSIONINFOA info = {};
        info.dwOSVersionInfoSize = sizeof info;
        if (GetVersionExA(&info))
            cached = {static_cast<int>(info.dwPlatformId), static_cast<int>(info.dwMajorVersion),
                      static_cast<int>(info.dwMinorVersion)};
        else
            cached = {0, 0, 0};
    }
    return cached;
}

int WinNtVersion() {
    const WindowsVersionInfo version = WindowsVersion();
    return version.platform == VER_PLATFORM_WIN32_NT ? version.major : 0;
}

void OverrideWindowsVersion(int platform, int major, int minor) {
    presented = {platform, major, minor};
    overridden = true;
}

void ClearWindowsVersionOverride() {
    overridden = false;
}
