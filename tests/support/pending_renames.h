#pragma once
// The machine's list of files to rename or delete at the next start of
// Windows, read and cleared with the raw registry API.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace pending_renames {

constexpr const char* SessionManager = "System\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* PendingValue = "PendingFileRenameOperations";

// The machine's pending renames as (source, target) pairs, sources without
// their "\??\" prefix.
inline std::vector<std::pair<std::string, std::string>> Read() {
    std::vector<std::pair<std::string, std::string>> pairs;
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return pairs;
    std::vector<char> data(65536);
    DWORD size = static_cast<DWORD>(data.size()), type = 0;
    LONG status = RegQueryValueExA(key, PendingValue, nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return pairs;
    std::vector<std::string> strings;
    for (DWORD at = 0; at < size && data[at];) {
        strings.emplace_back(&data[at]);
        at += static_cast<DWORD>(strings.back().size()) + 1;
        if (at < size) { // the target, empty for a deletion
            strings.emplace_back(&data[at]);
            at += static_cast<DWORD>(strings.back().size()) + 1;
        }
    }
    for (std::size_t i = 0; i + 1 < strings.size(); i += 2)
        pairs.push_back(
            {strings[i].compare(0, 4, "\\??\\") == 0 ? strings[i].substr(4) : strings[i],
             strings[i + 1]});
    return pairs;
}

// Whether path is to be deleted at the next start.
inline bool DeletesAtRestart(const std::string& path) {
    for (const auto& pair : Read())
        if (lstrcmpiA(pair.first.c_str(), path.c_str()) == 0 && pair.second.empty()) return true;
    return false;
}

inline void Clear() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, SessionManager, 0, KEY_SET_VALUE, &key) ==
        ERROR_SUCCESS) {
        RegDeleteValueA(key, PendingValue);
        RegCloseKey(key);
    }
}

} // namespace pending_renames
