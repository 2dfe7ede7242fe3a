#include "uninstall/common/shell.h"
#include "uninstall/common/join_path.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/system_calls.h"
#include "uninstall/common/text.h"
#include <shlobj.h>
#include <shellapi.h>

#ifndef _WIN64
static_assert(sizeof(STARTUPINFOA) == 68, "STARTUPINFOA of the 32-bit API");
#endif

namespace {

// Nothing, a drive (C:) or a root (C:\ or \ alone): never handed to a
// recursive delete.
bool IsRootOrEmpty(const char* path) {
    const char* p = path;
    if (p[0] != '\0' && !LeadBytes.isLead[static_cast<unsigned char>(p[0])] &&
        IsDriveColon(static_cast<unsigned char>(p[1])))
        p += 2;
    while (IsSeparator(static_cast<unsigned char>(*p)))
        ++p;
    return *p == '\0';
}

} // namespace

void GetDesktopFolder(char* buffer) {
    buffer[0] = '\0';
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) return;
    LPITEMIDLIST list = nullptr;
    if (SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DESKTOPDIRECTORY, &list))) {
        if (!SHGetPathFromIDListA(list, buffer)) buffer[0] = '\0';
        allocator->Free(list);
    }
    allocator->Release();
}

bool ShellDelete(const char* path) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES || IsRootOrEmpty(path)) return false;
    // The shell takes a list ended by an empty string; build it here rather
    // than writing behind the caller's terminator.
    char list[PathSize + 1];
    if (!CopyWhole(list, PathSize, path)) return false;
    list[lstrlenA(list) + 1] = '\0';
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = list;
    // No progress, no question and no error box: a failure is the result.
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    return System.shellFileOperation(&operation) == 0;
}

bool LaunchProgram(char* commandLine) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void EnableDlgItem(HWND dialog, int id, bool enable) {
    EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}
