#pragma once
// The world a test under Wine runs in (tests/worlds), as tests/wine-run
// names it in ZK_WORLD. Tests take world-dependent expectations from here or
// from the system itself (GetACP()), never from a constant.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace test_world {

// The world's name; "zh", the default world, when none is named.
inline std::string Name() {
    char name[64];
    const DWORD length = GetEnvironmentVariableA("ZK_WORLD", name, sizeof name);
    return length > 0 && length < sizeof name ? name : "zh";
}

inline bool Is(const char* name) {
    return Name() == name;
}

// The first of the UTF-8 texts that the system code page spells, in that
// code page: a name with letters beyond ASCII that this world can write.
inline std::string FirstSpelled(std::initializer_list<const char*> utf8Texts) {
    for (const char* utf8 : utf8Texts) {
        wchar_t wide[512];
        char ansi[1024];
        BOOL lost = FALSE;
        if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8, -1, wide, 512) &&
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, -1, ansi, sizeof ansi, nullptr,
                                &lost) &&
            !lost)
            return ansi;
    }
    return "";
}

} // namespace test_world
