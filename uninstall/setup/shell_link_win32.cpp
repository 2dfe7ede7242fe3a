#include "uninstall/setup/shell_link.h"
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

namespace {
// The link path in UTF-16, which is all IPersistFile::Save takes. False
// when the path does not fit in MAX_PATH characters.
bool WidePath(const char* path, WCHAR* wide) {
    return MultiByteToWideChar(CP_ACP, 0, path, -1, wide, MAX_PATH) != 0;
}
} // namespace

bool CreateShellLink(const char* target, const char* linkPath, const char* description) {
    WCHAR wideLink[MAX_PATH];
    if (!WidePath(linkPath, wideLink)) return false;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    link->SetPath(target);
    link->SetDescription(description);
    IPersistFile* file = nullptr;
    bool saved = false;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        saved = SUCCEEDED(file->Save(wideLink, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}
