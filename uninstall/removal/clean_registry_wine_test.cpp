// The registry cleanup after a real setup, compared key by key and value by
// value with the registry as it was before setup.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "uninstall/removal/clean_registry.h"
#include "uninstall/setup/program_files.h"
#include "uninstall/setup/setup_choices.h"

namespace {

using Snapshot = std::set<std::string>;

// Every key and value below hive\path, one line each.
void Dump(HKEY hive, const std::string& path, Snapshot* out) {
    HKEY key;
    if (RegOpenKeyExA(hive, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    out->insert(path);
    for (DWORD i = 0;; ++i) {
        char name[16384];
        BYTE data[8192];
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        LONG status = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            continue;
        out->insert(path + " [" + name + "] " + std::to_string(type) + " " +
                    std::string(reinterpret_cast<char*>(data), dataSize));
    }
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        if (lstrcmpiA(name, "Wow6432Node") != 0) // a link back into the tree
            Dump(hive, path + "\\" + name, out);
    }
    RegCloseKey(key);
}

// Where setup writes: the settings, the machine-wide entries, and in the
// classes every extension, the handler keys and Zelkova's own keys; of the
// remaining classes only the names (a full dump takes minutes under Wine).
Snapshot Registry() {
    Snapshot s;
    Dump(HKEY_CURRENT_USER, "Software", &s);
    for (const char* key : {"App Paths", "Uninstall", "Shell Extensions"})
        Dump(HKEY_LOCAL_MACHINE, std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") + key, &s);
    HKEY classes;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes", 0, KEY_READ, &classes) != ERROR_SUCCESS)
        return s;
    for (DWORD i = 0;; ++i) {
        char name[256];
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(classes, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
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

std::string Lines(const Snapshot& s) {
    std::string text;
    for (const std::string& line : s)
        text += line + "\n";
    return text;
}

std::string Difference(const Snapshot& a, const Snapshot& b) {
    Snapshot only;
    for (const std::string& line : a)
        if (!b.count(line))
            only.insert(line);
    return Lines(only);
}

// Keys that the removal leaves by design, empty: the handler keys of all
// files, folders, drives and directories (only their default value goes),
// the parents of removed handler keys, and the "New" menu key of an
// extension whose former owner had no "New" entry.
bool LeftByDesign(const std::string& line) {
    if (line.find(" [") != std::string::npos)
        return false; // a value: nothing may stay
    for (const char* start : {"*\\shellex", "Folder\\shellex", "Drive", "Directory", "exefile\\shellex",
                              "Classes\\Drive", "Classes\\Directory"})
        if (line.compare(0, std::strlen(start), start) == 0)
            return true;
    return line.size() > 9 && line.compare(line.size() - 9, 9, "\\ShellNew") == 0;
}

std::string LeftOutsideTheDesign(const Snapshot& after, const Snapshot& before) {
    Snapshot left;
    for (const std::string& line : after)
        if (!before.count(line) && !LeftByDesign(line))
            left.insert(line);
    return Lines(left);
}

void SetDefault(const char* path, const char* text) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
    RegCloseKey(key);
}

TEST(CleanRegistry, UndoesAFullSetupExceptTheDocumentedLeftovers) {
    // A used machine: other programs own ".zip" and ".cab".
    SetDefault(".zip", "CompressedFolder");
    SetDefault(".cab", "CABFolder");
    const Snapshot before = Registry();

    SetupChoices defaults;
    LoadSetupChoices(&defaults);
    SaveSetupChoices(defaults);
    char groupFolder[1024] = "";
    ApplySetupChoices(defaults, groupFolder);
    RegisterUninstallEntry();
    ASSERT_NE(Difference(Registry(), before), "") << "setup wrote nothing";

    CleanRegistry();
    const Snapshot after = Registry();
    EXPECT_EQ(Difference(before, after), "") << "removed although it was there before setup";
    EXPECT_EQ(LeftOutsideTheDesign(after, before), "");
    for (const char* name : {"zkvnew.dat", "zipnew.dat"}) {
        char path[1024];
        if (ProgramFilePath(name, path))
            DeleteFileA(path);
    }
}

TEST(CleanRegistry, RevTakenOverByAnotherProgramStays) {
    SetDefault(".rev", "Other.Program");
    CleanRegistry();
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".rev", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    SetDefault(".rev", "zelkova.rev"); // its own, in any case
    CleanRegistry();
    EXPECT_NE(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".rev", 0, KEY_READ, &key), ERROR_SUCCESS);
}

} // namespace
