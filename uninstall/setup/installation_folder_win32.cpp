#include "uninstall/setup/installation_folder.h"
#include <windows.h>

bool GetInstallationFolder(char* buffer, std::size_t size) {
    if (size == 0) return false;
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

bool InstalledFilePath(const char* name, char* buffer, std::size_t size) {
    return GetInstallationFolder(buffer, size) && JoinPath(buffer, size, buffer, name);
}
