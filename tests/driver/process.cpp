#include "tests/driver/ui_driver.h"
#include <stdlib.h>
#include <tlhelp32.h>

namespace ui {

std::string WindowsPath(const char* unixPath) {
    if (!unixPath || unixPath[0] != '/') return "";
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\'; // never a trail byte in the double-byte code pages
    return path;
}

std::string ArgumentPath(int index) {
    if (index < 1 || index >= __argc) return "";
    return WindowsPath(__argv[index]);
}

Process StartProcess(const char* commandLine, const char* folder) {
    std::string line = commandLine; // CreateProcessA may write into it
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                        &info))
        return {nullptr, 0};
    CloseHandle(info.hThread);
    return {info.hProcess, info.dwProcessId};
}

bool WaitForExit(HANDLE process, DWORD timeoutMs, DWORD* exitCode) {
    return process && WaitForSingleObject(process, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process, exitCode);
}

void EndProcess(Process& process) {
    if (!process.handle) return;
    if (WaitForSingleObject(process.handle, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process.handle, 1);
        WaitForSingleObject(process.handle, kSendTimeoutMs);
    }
    CloseHandle(process.handle);
    process = {nullptr, 0};
}

void EndProcessesNamed(const char* exeName, DWORD parent) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if ((parent && entry.th32ParentProcessID != parent) ||
            lstrcmpiA(entry.szExeFile, exeName) != 0)
            continue;
        Process process = {OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID),
                           entry.th32ProcessID};
        EndProcess(process);
    }
    CloseHandle(snapshot);
}

} // namespace ui
