#include "forms/command_line.h"

#include <windows.h>
#include <cstring>

bool StartCommandLine(const char* commandLine) {
    // CreateProcessA may write into the command line, so it gets its own copy.
    char buffer[512];
    std::size_t length = std::strlen(commandLine);
    if (length >= sizeof buffer) return false;
    std::memcpy(buffer, commandLine, length + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, buffer, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}
