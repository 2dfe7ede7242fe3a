#include "uninstall/removal/unusable_folder.h"

#include <windows.h>

#include <cwchar>

#include "uninstall/common/exact_names.h"
#include "uninstall/common/join_path.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"

int RefuseUnusableFolder(bool silent, const wchar_t* folder) {
    if (silent) return UnusableFolderExitCode;
    // The string (at most 255 bytes), a line break and the folder.
    wchar_t text[256 + 1 + PathSize], caption[256];
    int length = MultiByteToWideChar(CP_ACP, 0, ResString(IDS_FOLDER_NAME_UNUSABLE), -1, text, 256);
    const int end = length > 0 ? length - 1 : 0; // at the terminator
    text[end] = L'\n';
    text[end + 1] = L'\0';
    std::wcsncat(text, folder, PathSize - 1);
    if (!MultiByteToWideChar(CP_ACP, 0, ResString(IDS_UNINSTALL_CAPTION), -1, caption, 256))
        caption[0] = L'\0';
    MessageBoxW(nullptr, text, caption, MB_ICONERROR | MB_SETFOREGROUND);
    return 0;
}
