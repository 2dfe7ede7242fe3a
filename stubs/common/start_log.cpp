#include "stubs/common/start_log.h"

#include <windows.h>

#include <cstring>

bool RecordStart() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return false;
    char* dot = std::strrchr(path, '.');
    if (dot == nullptr || static_cast<size_t>(dot - path) + sizeof ".log" > sizeof path)
        return false;
    std::memcpy(dot, ".log", sizeof ".log");

    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return false;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    const BOOL ok =
        WriteFile(log, line, static_cast<DWORD>(std::strlen(line)), &written, nullptr) &&
        WriteFile(log, "\r\n", 2, &written, nullptr);
    CloseHandle(log);
    return ok != FALSE;
}
