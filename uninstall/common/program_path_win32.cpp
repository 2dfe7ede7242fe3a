#include "uninstall/common/program_path.h"
#include <windows.h>

bool GetProgramPath(char* buffer, std::size_t size) {
    if (size == 0)
        return false;
    const DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}
