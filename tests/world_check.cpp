// Checks inside a Wine prefix that the world tests/wine-run built is the one
// it claims: the code pages, the user locale, the Windows version and the
// screen's dpi. Built and run by tests/wine-run before every program.
//   world_check ACP OEMCP LCID REPORTS DPI
// REPORTS is "nt", "nt:MAJOR.MINOR" or "9x:MAJOR.MINOR". Prints what differs
// and exits 1 then.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int failures = 0;

void Expect(const char* what, unsigned long want, unsigned long got) {
    if (want == got) return;
    std::printf("%s is %lu, the world says %lu\n", what, got, want);
    ++failures;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::printf("usage: world_check ACP OEMCP LCID REPORTS DPI\n");
        return 2;
    }
    Expect("GetACP()", std::strtoul(argv[1], nullptr, 10), GetACP());
    Expect("GetOEMCP()", std::strtoul(argv[2], nullptr, 10), GetOEMCP());
    Expect("GetUserDefaultLCID()", std::strtoul(argv[3], nullptr, 16), GetUserDefaultLCID());

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const char* reports = argv[4];
    const bool nt = std::strncmp(reports, "nt", 2) == 0;
    Expect("the platform of GetVersionEx", nt ? VER_PLATFORM_WIN32_NT : VER_PLATFORM_WIN32_WINDOWS,
           version.dwPlatformId);
    if (const char* number = std::strchr(reports, ':')) {
        char* minor = nullptr;
        Expect("the major version", std::strtoul(number + 1, &minor, 10), version.dwMajorVersion);
        Expect("the minor version", std::strtoul(minor + 1, nullptr, 10), version.dwMinorVersion);
    }

    HDC screen = GetDC(nullptr);
    Expect("LOGPIXELSX of the screen", std::strtoul(argv[5], nullptr, 10),
           static_cast<unsigned long>(GetDeviceCaps(screen, LOGPIXELSX)));
    ReleaseDC(nullptr, screen);
    return failures ? 1 : 0;
}
