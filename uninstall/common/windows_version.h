#pragma once
// The running Windows version, read once per run.

struct WindowsVersionInfo {
    int platform; // VER_PLATFORM_WIN32_WINDOWS (1) or VER_PLATFORM_WIN32_NT (2)
    int major;
    int minor;
};

// GetVersionExA on the first call, cached afterwards.
WindowsVersionInfo WindowsVersion();
// NT major version, 0 on the Windows 95 family.
int WinNtVersion();
// Test seam: present another version (for example 1, 4, 10 for Windows 98)
// until ClearWindowsVersionOverride.
void OverrideWindowsVersion(int platform, int major, int minor);
void ClearWindowsVersionOverride();
