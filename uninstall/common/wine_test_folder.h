#pragma once
// A scratch folder under the temp folder for the tests under Wine, removed
// with everything in it when the test ends.
#include <windows.h>
#include <cstdio>

class ScratchFolder {
  public:
    char path[MAX_PATH];

    explicit ScratchFolder(const char* name) {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        std::snprintf(path, sizeof path, "%s%s", temp, name);
        CreateDirectoryA(path, nullptr);
    }
    ~ScratchFolder() {
        char command[MAX_PATH + 64];
        std::snprintf(command, sizeof command, "cmd.exe /c rd /s /q \"%s\"", path);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process;
        if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                           nullptr, &startup, &process)) {
            WaitForSingleObject(process.hProcess, 10000);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
    // Writes a file under the folder; returns its full path in out.
    void Write(const char* relative, const char* content, char* out, int outSize) const {
        std::snprintf(out, outSize, "%s\\%s", path, relative);
        HANDLE file = CreateFileA(out, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content, lstrlenA(content), &written, nullptr);
        CloseHandle(file);
    }
};
