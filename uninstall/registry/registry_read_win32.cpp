// Reading one value: open the key, query the value, close the key. Reads
// never fail towards the caller: they deliver the caller's default instead
// (empty when even that does not fit).
// The stored type is not examined.
#include "uninstall/registry/registry.h"
#include "uninstall/common/text.h"

bool GetRegString(HKEY hive, const char* path, const char* name, char* buffer, DWORD size,
                  const char* defaultText) {
    if (size == 0) return false;
    HKEY key = OpenKeyForRead(hive, path);
    if (key) {
        DWORD length = size;
        LONG status =
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &length);
        CloseRegKey(key);
        // A stored text without its terminator must still fit with one.
        if (status == ERROR_SUCCESS && length < size) {
            buffer[length] = '\0';
            return true;
        }
        if (status == ERROR_SUCCESS && length > 0 && buffer[length - 1] == '\0') return true;
    }
    CopyWhole(buffer, size, defaultText ? defaultText : ""); // never a cut default
    return false;
}

bool GetSettingString(const char* path, const char* name, char* buffer, DWORD size,
                      const char* defaultText) {
    return GetRegString(HKEY_CURRENT_USER, path, name, buffer, size, defaultText);
}

bool GetRegDword(HKEY hive, const char* path, const char* name, DWORD defaultValue, DWORD* result) {
    DWORD value = 0; // a value shorter than 4 bytes leaves the high bytes zero
    DWORD length = sizeof value;
    LONG status = ERROR_FILE_NOT_FOUND;
    HKEY key = OpenKeyForRead(hive, path);
    if (key) {
        status =
            RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &length);
        CloseRegKey(key);
    }
    *result = status == ERROR_SUCCESS ? value : defaultValue;
    return status == ERROR_SUCCESS;
}

DWORD GetSettingDword(const char* path, const char* name, DWORD defaultValue) {
    DWORD value;
    GetRegDword(HKEY_CURRENT_USER, path, name, defaultValue, &value);
    return value;
}

bool GetRegBytes(HKEY hive, const char* path, const char* name, void* buffer, DWORD size,
                 DWORD* length) {
    LONG status = ERROR_FILE_NOT_FOUND;
    *length = size;
    HKEY key = OpenKeyForRead(hive, path);
    if (key) {
        status = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<BYTE*>(buffer), length);
        CloseRegKey(key);
    }
    if (status != ERROR_SUCCESS) *length = 0;
    return status == ERROR_SUCCESS;
}
