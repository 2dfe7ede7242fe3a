#include "uninstall/common/exact_names.h"

#include <windows.h>

#include <cwchar>

#include "uninstall/common/join_path.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/windows_version.h"

namespace {
// Whether ansi, converted back to UTF-16, is wide exactly.
bool ReadsBackAs(const char* ansi, const wchar_t* wide) {
    wchar_t back[PathSize];
    return MultiByteToWideChar(CP_ACP, 0, ansi, -1, back, PathSize) != 0 &&
           std::wcscmp(back, wide) == 0;
}

// wide's length when it was read whole into size characters, else 0.
std::size_t ReadWhole(DWORD length, std::size_t size, wchar_t* wide) {
    if (length == 0 || length >= size) {
        wide[0] = L'\0';
        return 0;
    }
    return length;
}
} // namespace

bool ProgramFolderIsExact(wchar_t* folder, std::size_t size) {
    if (size == 0) return true;
    folder[0] = L'\0';
    char program[PathSize], ansiFolder[PathSize];
    if (WinNtVersion() == 0 || !GetProgramPath(program, sizeof program) ||
        !ProgramFolder(program, ansiFolder, sizeof ansiFolder))
        return true; // nothing to compare: what cannot be read is refused elsewhere
    std::size_t length =
        ReadWhole(GetModuleFileNameW(nullptr, folder, static_cast<DWORD>(size)), size, folder);
    // The folder is the path up to its last backslash, which a drive root keeps.
    while (length > 0 && folder[length - 1] != L'\\')
        --length;
    if (length > 1 && folder[length - 2] != L':') --length;
    folder[length] = L'\0';
    return length == 0 || ReadsBackAs(ansiFolder, folder);
}

bool CurrentDirectoryIsExact(wchar_t* folder, std::size_t size) {
    if (size == 0) return true;
    folder[0] = L'\0';
    char ansi[PathSize];
    DWORD ansiLength = GetCurrentDirectoryA(sizeof ansi, ansi);
    if (WinNtVersion() == 0 || ansiLength == 0 || ansiLength >= sizeof ansi) return true;
    return ReadWhole(GetCurrentDirectoryW(static_cast<DWORD>(size), folder), size, folder) == 0 ||
           ReadsBackAs(ansi, folder);
}
