#pragma once
// The links setup makes and the folders they go in, found and removed with
// the shell's folder look-up and the plain file API.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "tests/support/files.h"

namespace test_links {

// The path of a special folder (CSIDL_...), empty when it has none.
inline std::string SpecialFolder(int csidl) {
    char path[MAX_PATH] = "";
    if (FAILED(SHGetFolderPathA(nullptr, csidl, nullptr, 0, path))) path[0] = '\0';
    return path;
}

// The "Zelkova.lnk" links on the desktop and in the Start menu and the
// "Zelkova" program groups of the user and of all users, removed with
// whatever else is in the groups.
inline void RemoveZelkovaLinks() {
    for (int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTMENU}) {
        const std::string folder = SpecialFolder(csidl);
        if (!folder.empty()) DeleteFileA((folder + "\\Zelkova.lnk").c_str());
    }
    for (int csidl : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
        const std::string folder = SpecialFolder(csidl);
        if (!folder.empty()) test_files::RemoveTree(folder + "\\Zelkova");
    }
}

} // namespace test_links
