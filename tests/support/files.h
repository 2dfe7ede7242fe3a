#pragma once
// Files and folders for the tests under Wine, made and removed with the
// plain Win32 file API; and a scratch folder that goes with everything in
// it when the test ends.
#include <windows.h>

#include <string>

#include "tests/support/call_site.h"

namespace test_files {

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Writes bytes as the whole file at path, made or replaced.
inline void Write(const std::string& path, const std::string& bytes, CallSite at = {}) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE_AT(at.file, at.line)
            << "cannot write " << path << " (error " << GetLastError() << ")";
        return;
    }
    DWORD done = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
    CloseHandle(file);
}

// The whole file at path; empty when it cannot be read.
inline std::string Read(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0)
        bytes.append(chunk, read);
    CloseHandle(file);
    return bytes;
}

// Removes a folder with everything below it, read-only files too; a
// missing folder (or none named) is no error.
inline void RemoveTree(const std::string& folder) {
    if (folder.empty()) return; // "\\*" would be the root of the current drive
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string child = folder + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(child.c_str());
            else if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
                RemoveDirectoryA(child.c_str()); // a link: what it points at stays
            else
                RemoveTree(child);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    RemoveDirectoryA(folder.c_str());
}

// The temp folder with its trailing backslash.
inline std::string TempFolder() {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return temp;
}

// A file next to this test program (the running program, whose folder the
// code under test takes for its own), found from the module's file name.
inline std::string BesideTestProgram(const char* name, CallSite at = {}) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        ADD_FAILURE_AT(at.file, at.line) << "the test program's path cannot be read";
        return "";
    }
    const std::string program(path, length);
    return program.substr(0, program.rfind('\\') + 1) + name;
}

} // namespace test_files

// A folder in the temp folder for one test: what an earlier run left there
// goes first, and the folder goes with its contents when the test ends.
class ScratchFolder {
  public:
    explicit ScratchFolder(const char* name) : path(test_files::TempFolder() + name) {
        test_files::RemoveTree(path);
        CreateDirectoryA(path.c_str(), nullptr);
    }
    ~ScratchFolder() { test_files::RemoveTree(path); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // The full path of a file or folder below this one.
    std::string operator/(const std::string& relative) const { return path + "\\" + relative; }

    const std::string path;
};
