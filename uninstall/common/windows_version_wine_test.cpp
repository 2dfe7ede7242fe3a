#include "uninstall/common/compare.h"
#include "uninstall/common/lead_bytes.h"
#include "uninstall/common/windows_version.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(WindowsVersion, NtFamilyAndOverrides) {
    const WindowsVersionInfo real = WindowsVersion();
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, real.platform);
    EXPECT_EQ(real.major, WinNtVersion());
    EXPECT_GE(WinNtVersion(), 4);

    OverrideWindowsVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10); // Windows 98
    EXPECT_EQ(0, WinNtVersion());
    EXPECT_EQ(10, WindowsVersion().minor);
    OverrideWindowsVersion(VER_PLATFORM_WIN32_NT, 4, 0); // NT 4
    EXPECT_EQ(4, WinNtVersion());
    OverrideWindowsVersion(VER_PLATFORM_WIN32_NT, 5, 1); // XP
    EXPECT_EQ(5, WinNtVersion());
    ClearWindowsVersionOverride();
    EXPECT_EQ(real.major, WinNtVersion());
    EXPECT_EQ(real.minor, WindowsVersion().minor);
}

TEST(CompareNoCase, IgnoresCaseInTheUserLocale) {
    EXPECT_EQ(0, CompareNoCase("combobox", "COMBOBOX"));
    EXPECT_EQ(-1, CompareNoCase("Button", "combobox"));
    EXPECT_EQ(1, CompareNoCase("edit", "Button"));
    EXPECT_EQ(0, CompareNoCase("\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4"));
}

TEST(LeadBytes, SystemCodePage936) {
    EXPECT_EQ(936u, GetACP());
    EXPECT_TRUE(LeadBytes.multiByte);
    const LeadByteTable gbk = LeadByteTable::ForCodePage(936);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(gbk.isLead[b], LeadBytes.isLead[b]) << b;
}

} // namespace
