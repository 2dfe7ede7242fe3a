#pragma once
// The parts of the registry that setup writes, as one line per key and per
// value, to compare the registry before setup with the one after removal.
#include <windows.h>

#include <cstring>
#include <set>
#include <string>

namespace registry_snapshot {

using Snapshot = std::set<std::string>;

// Every key and value below hive\path, one line each.
inline void Dump(HKEY hive, const std::string& path, Snapshot* out) {
    HKEY key;
    if (RegOpenKeyExA(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    out->insert(path);
    for (DWORD i = 0;; ++i) {
        char name[16384];
        BYTE data[8192];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        LONG status = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) continue;
        out->insert(path + " [" + name + "] " + std::to_string(type) + " " +
                    std::string(reinterpret_cast<char*>(data), dataSize));
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        if (lstrcmpiA(name, "Wow6432Node") != 0) // a link back into the tree
            Dump(hive, path + "\\" + name, out);
    }
    RegCloseKey(key);
}

// Where setup writes: the settings, the machine-wide entries, and in the
// classes every extension, the handler keys and Zelkova's own keys; of the
// remaining classes only the names (a full dump takes minutes under Wine).
inline Snapshot Registry() {
    Snapshot s;
    // Per user, only Zelkova's settings and classes: Wine keeps its own
    // changing state elsewhere under Software.
    Dump(HKEY_CURRENT_USER, "Software\\Zelkova", &s);
    Dump(HKEY_CURRENT_USER, "Software\\Classes", &s);
    for (const char* key : {"App Paths", "Uninstall", "Shell Extensions"})
        Dump(HKEY_LOCAL_MACHINE,
             std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") + key, &s);
    HKEY classes;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes", 0, KEY_READ, &classes) !=
        ERROR_SUCCESS)
        return s;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(classes, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        std::string path = std::string("Classes\\") + name;
        if (name[0] == '.' || std::string(name).find("Zelkova") != std::string::npos)
            Dump(HKEY_CLASSES_ROOT, name, &s);
        else
            s.insert(path);
    }
    RegCloseKey(classes);
    for (const char* key : {"*", "Folder", "Drive", "Directory", "exefile",
                            "CLSID\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}"})
        Dump(HKEY_CLASSES_ROOT, key, &s);
    return s;
}

inline std::string Lines(const Snapshot& s) {
    std::string text;
    for (const std::string& line : s)
        text += line + "\n";
    return text;
}

inline std::string Difference(const Snapshot& a, const Snapshot& b) {
    Snapshot only;
    for (const std::string& line : a)
        if (!b.count(line)) only.insert(line);
    return Lines(only);
}

// Keys that the removal keeps, emptied, because they are not Zelkova's
// alone: the handler keys of all files, folders, drives and directories and
// the parents of removed handler keys (every shell extension hangs its
// entries there; only Zelkova's go), and the "New" menu key of an extension
// given back to a former owner that had no "New" entry (only the values
// setup wrote go; the key is part of the owner's extension key).
inline bool KeptSharedKey(const std::string& line) {
    if (line.find(" [") != std::string::npos) return false; // a value: nothing may stay
    for (const char* start : {"*\\shellex", "Folder\\shellex", "Drive", "Directory",
                              "exefile\\shellex", "Classes\\Drive", "Classes\\Directory"})
        if (line.compare(0, std::strlen(start), start) == 0) return true;
    return line.size() > 9 && line.compare(line.size() - 9, 9, "\\ShellNew") == 0;
}

// What the removal left that was not there before and is not a shared key
// (KeptSharedKey): Zelkova's own leftovers, which no other program needs.
inline std::string UnsharedLeftovers(const Snapshot& after, const Snapshot& before) {
    Snapshot left;
    for (const std::string& line : after)
        if (!before.count(line) && !KeptSharedKey(line)) left.insert(line);
    return Lines(left);
}

} // namespace registry_snapshot
