#pragma once
// Raw registry access for the tests under Wine, past the registry layer of
// the programs: reading and writing values, and removal of what a test or
// the program under test wrote.
#include <windows.h>

#include <cstring>
#include <string>

#include "tests/support/call_site.h"

namespace raw_registry {

// Removes the key with all its sub-keys; a missing key is no error.
inline void DeleteTree(HKEY hive, const char* path) {
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS)
        DeleteTree(key, name);
    RegCloseKey(key);
    RegDeleteKeyA(hive, path);
}

inline void DeleteValue(HKEY hive, const char* path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name);
    RegCloseKey(key);
}

inline bool KeyExists(HKEY hive, const char* path) {
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

// The value's bytes as text, or "<none>" when the value (or key) is missing.
inline std::string Value(HKEY hive, const char* path, const char* name) {
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return "<none>";
    char data[2048];
    DWORD size = sizeof data;
    DWORD type = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return "<none>";
    if (type == REG_SZ) return std::string(data, size > 0 ? size - 1 : 0);
    return std::string(data, size);
}

// The value as a DWORD, or 0xFFFFFFFF when it is missing or not four bytes.
inline DWORD Dword(HKEY hive, const char* path, const char* name) {
    std::string bytes = Value(hive, path, name);
    DWORD value = 0xFFFFFFFF;
    if (bytes.size() == sizeof value) memcpy(&value, bytes.data(), sizeof value);
    return value;
}

// Writes a value of any type, making the key as needed; a failure is the
// calling test's.
inline void SetValue(HKEY hive, const char* path, const char* name, DWORD type, const void* data,
                     DWORD size, const CallSite& at) {
    HKEY key;
    LONG status = RegCreateKeyExA(hive, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS)
        ADD_FAILURE_AT(at.file, at.line)
            << "cannot write " << path << " [" << name << "] (error " << status << ")";
}

inline void SetString(HKEY hive, const char* path, const char* name, const char* text,
                      CallSite at = {}) {
    SetValue(hive, path, name, REG_SZ, text, lstrlenA(text) + 1, at);
}

inline void SetDword(HKEY hive, const char* path, const char* name, DWORD value, CallSite at = {}) {
    SetValue(hive, path, name, REG_DWORD, &value, sizeof value, at);
}

inline void SetBinary(HKEY hive, const char* path, const char* name, const std::string& bytes,
                      CallSite at = {}) {
    SetValue(hive, path, name, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()), at);
}

} // namespace raw_registry
