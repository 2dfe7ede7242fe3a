// Registration of the shell extension library zkvext.dll. One table drives
// both directions: registration writes it top to bottom, removal undoes it
// bottom to top (so InProcServer32 goes before its CLSID key).
//
//   HKCR\CLSID\{clsid}                          (default) Zelkova        } only when
//   HKCR\CLSID\{clsid}\InProcServer32           (default) library path   } zkvext.dll
//                                               ThreadingModel Apartment } exists
//   HKCR\Zelkova[.ZIP]\shellex\ContextMenuHandlers\{clsid}     (default) ""
//   HKCR\Zelkova[.ZIP]\shellex\PropertySheetHandlers\{clsid}   (default) ""
//   HKCR\exefile\shellex\PropertySheetHandlers\{clsid}         (default) ""
//   HKCR\Zelkova[.ZIP]\shellex\DropHandler                     (default) {clsid}
//   HKCR\{*,Folder,Directory}\shellex\ContextMenuHandlers\Zelkova  (default) {clsid}
//   HKCR\{Folder,Drive,Directory}\shellex\DragDropHandlers\Zelkova (default) {clsid}
//   HKLM\...\Shell Extensions\Approved          {clsid}   "Zelkova shell extension"
//
// Removal deletes the keys named by a class identifier and the ProgID drop
// handlers, but only the default value of the shared handler keys.
#include <windows.h>
#include "uninstall/registry/registry.h"
#include "uninstall/common/program_path.h"
#include "uninstall/setup/shell_integration.h"

#define ZK_CLSID "{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}"

namespace {
enum class Removal { Nothing, Key, Value };

struct ShellExtEntry {
    bool machine; // HKEY_LOCAL_MACHINE instead of HKEY_CLASSES_ROOT
    const char* key;
    const char* value;
    const char* data; // null: the library path
    bool needsLibrary;
    Removal removal;
};

const ShellExtEntry ShellExtEntries[] = {
    {false, "CLSID\\" ZK_CLSID, "", "Zelkova", true, Removal::Key},
    {false, "CLSID\\" ZK_CLSID "\\InProcServer32", "", nullptr, true, Removal::Key},
    {false, "CLSID\\" ZK_CLSID "\\InProcServer32", "ThreadingModel", "Apartment", true,
     Removal::Nothing},
    {false, "Zelkova\\shellex\\ContextMenuHandlers\\" ZK_CLSID, "", "", false, Removal::Key},
    {false, "Zelkova\\shellex\\PropertySheetHandlers\\" ZK_CLSID, "", "", false, Removal::Key},
    {false, "Zelkova.ZIP\\shellex\\ContextMenuHandlers\\" ZK_CLSID, "", "", false, Removal::Key},
    {false, "Zelkova.ZIP\\shellex\\PropertySheetHandlers\\" ZK_CLSID, "", "", false, Removal::Key},
    {false, "exefile\\shellex\\PropertySheetHandlers\\" ZK_CLSID, "", "", false, Removal::Key},
    {false, "Zelkova\\shellex\\DropHandler", "", ZK_CLSID, false, Removal::Key},
    {false, "Zelkova.ZIP\\shellex\\DropHandler", "", ZK_CLSID, false, Removal::Key},
    {false, "*\\shellex\\ContextMenuHandlers\\Zelkova", "", ZK_CLSID, false, Removal::Value},
    {false, "Folder\\shellex\\ContextMenuHandlers\\Zelkova", "", ZK_CLSID, false, Removal::Value},
    {false, "Folder\\shellex\\DragDropHandlers\\Zelkova", "", ZK_CLSID, false, Removal::Value},
    {false, "Drive\\shellex\\DragDropHandlers\\Zelkova", "", ZK_CLSID, false, Removal::Value},
    {false, "Directory\\shellex\\ContextMenuHandlers\\Zelkova", "", ZK_CLSID, false,
     Removal::Value},
    {false, "Directory\\shellex\\DragDropHandlers\\Zelkova", "", ZK_CLSID, false, Removal::Value},
    {true, "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved", ZK_CLSID,
     "Zelkova shell extension", false, Removal::Value},
};

HKEY HiveOf(const ShellExtEntry& entry) {
    return entry.machine ? HKEY_LOCAL_MACHINE : HKEY_CLASSES_ROOT;
}

void RegisterShellExtension() {
    char library[PathSize];
    bool libraryExists = ProgramFilePath("zkvext.dll", library) &&
                         GetFileAttributesA(library) != INVALID_FILE_ATTRIBUTES;
    for (const ShellExtEntry& entry : ShellExtEntries) {
        if (entry.needsLibrary && !libraryExists) continue;
        SetRegString(HiveOf(entry), entry.key, entry.value, entry.data ? entry.data : library);
    }
}

void RemoveShellExtension() {
    for (int i = sizeof ShellExtEntries / sizeof ShellExtEntries[0] - 1; i >= 0; --i) {
        const ShellExtEntry& entry = ShellExtEntries[i];
        if (entry.removal == Removal::Key) DeleteRegKey(HiveOf(entry), entry.key);
        if (entry.removal == Removal::Value) DeleteRegValue(HiveOf(entry), entry.key, entry.value);
    }
}
} // namespace

void UpdateShellExtension(const SetupChoices& choices) {
    if (choices.ShellExt) {
        RegisterShellExtension();
    } else {
        RemoveShellExtension();
    }
}
