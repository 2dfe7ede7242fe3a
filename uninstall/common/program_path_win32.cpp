#include "uninstall/common/program_path.h"
#include <windows.h>
#include "uninstall/common/text.h"

namespace {
const char* presented = nullptr; // by a test
} // namespace

bool GetProgramPath(char* buffer, std::size_t size) {
    if (size == 0) return false;
    if (presented) return CopyWhole(buffer, size, presented);
    const DWORD length = GetModuleFileNameA(nullptr, buffer, static_cast<DWORD>(size));
    if (length == 0 || length >= size) {
        buffer[0] = '\0';
        return false;
    }
    return true;
}

void OverrideProgramPath(const char* path) {
    presented = path;
}

void ClearProgramPathOverride() {
    presented = nullptr;
}
