#pragma once
// Raw registry access for tests under Wine, not through the registry layer
// under test: reading and writing values, and removal of what a test wrote.
#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace raw_registry {

inline void DeleteTree(HKEY hive, const char* path) {
    HKEY key;
    if (RegOpenKeyExA(hive, path, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    while (RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) DeleteTree(key, name);
    RegCloseKey(key);
    RegDeleteKeyA(hive, path);
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

inline DWORD Dword(HKEY hive, const char* path, const char* name) {
    std::string bytes = Value(hive, path, name);
    DWORD value = 0xFFFFFFFF;
    if (bytes.size() == sizeof value) memcpy(&value, bytes.data(), sizeof value);
    return value;
}

inline void SetString(HKEY hive, const char* path, const char* name, const char* text) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(hive, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                             nullptr));
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
    RegCloseKey(key);
}

inline void SetDword(HKEY hive, const char* path, const char* name, DWORD value) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(hive, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                             nullptr));
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    RegCloseKey(key);
}

inline void SetBinary(HKEY hive, const char* path, const char* name, const std::string& bytes) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(hive, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                                             nullptr));
    RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

} // namespace raw_registry
