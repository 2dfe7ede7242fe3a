// File associations. A ticked archive type points each of its extensions at
// a Zelkova ProgID and remembers the former owner; an unticked type that
// still points at Zelkova is given back to that owner.
//
//   HKCR\<ext>                   (default) Zelkova or Zelkova.ZIP
//   HKCU\Software\Zelkova\Setup\<ext>     the former owner of <ext>:
//       Exist     DWORD  whether HKCR\<ext> existed
//       Type      former (default), Content  former "Content Type",
//       ShellNew  former "New" menu entry ("*" for a NullFile); with
//                 DataWritten and FormerData, see new_menu_win32.cpp
//   HKCR\.z00 .. .z29 (.z99 on Windows 95/98/ME)   volumes of .zkv archives
#include <windows.h>
#include <shlobj.h>
#include <cstring>
#include "uninstall/common/format.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/registry/registry.h"
#include "uninstall/setup/archive_types.h"
#include "uninstall/setup/new_menu.h"
#include "uninstall/setup/new_menu_templates.h"
#include "uninstall/common/program_path.h"
#include "uninstall/setup/prog_ids.h"
#include "uninstall/setup/shell_integration.h"

namespace {
constexpr int AllVolumes = 100;

struct FormerOwner {
    DWORD exist;
    char type[512];
    char content[512];
};

// k is below 100: always fits.
void VolumeExtension(int k, char* extension) {
    FormatWhole(extension, 8, ".z%02d", k);
}

void RememberFormerOwner(const char* extension, const char* record) {
    char type[512];
    char content[512];
    char shellNew[PathSize];
    GetRegString(HKEY_CLASSES_ROOT, extension, "", type, sizeof type, "");
    GetRegString(HKEY_CLASSES_ROOT, extension, "Content Type", content, sizeof content, "");
    FormerNewMenuEntry(extension, shellNew, sizeof shellNew);
    SetSettingDword(record, "Exist", RegKeyExists(HKEY_CLASSES_ROOT, extension));
    SetSettingString(record, "Type", type);
    SetSettingString(record, "Content", content);
    SetSettingString(record, "ShellNew", shellNew);
    RecordFormerNewMenuData(extension, record);
}

void PointAt(const char* extension, const char* progId) {
    SetRegString(HKEY_CLASSES_ROOT, extension, "", progId);
    DeleteRegValue(HKEY_CLASSES_ROOT, extension, "Content Type");
}

void TakeOver(int group, const char* extension, bool shellExt) {
    char record[KeyPathSize];
    if (!SetupKeyFor(extension, record, sizeof record)) return;
    if (!IsOwnAssociation(extension)) RememberFormerOwner(extension, record);
    PointAt(extension, ArchiveGroups[group].progId);
    if (group == ZkvGroup) {
        int volumes = WinNtVersion() != 0 ? 30 : AllVolumes;
        char volume[8];
        for (int k = 0; k < volumes; ++k) {
            VolumeExtension(k, volume);
            PointAt(volume, ZkvProgId);
        }
    }
    if ((group == ZkvGroup || group == ZipGroup) && shellExt) {
        InstallNewMenuTemplate(extension, group == ZkvGroup);
    }
}

FormerOwner ReadFormerOwner(const char* record) {
    FormerOwner owner;
    owner.exist = GetSettingDword(record, "Exist", 1);
    GetSettingString(record, "Type", owner.type, sizeof owner.type, "");
    GetSettingString(record, "Content", owner.content, sizeof owner.content, "");
    // Never restore a pointer back to Zelkova.
    if (IsArchiveProgId(owner.type)) {
        owner.type[0] = '\0';
    }
    return owner;
}

// Only the volume extensions that still point at Zelkova are given back;
// those that setup never touched or that another program took keep theirs.
void GiveBackVolumes(const FormerOwner& owner) {
    char volume[8];
    for (int k = 0; k < AllVolumes; ++k) {
        VolumeExtension(k, volume);
        if (!IsOwnAssociation(volume)) continue;
        if (owner.exist != 0 && owner.type[0] != '\0') {
            SetRegString(HKEY_CLASSES_ROOT, volume, "", owner.type);
            if (owner.content[0] != '\0') {
                SetRegString(HKEY_CLASSES_ROOT, volume, "Content Type", owner.content);
            }
        } else {
            DeleteRegKey(HKEY_CLASSES_ROOT, volume);
        }
    }
}

void GiveBack(int group, const char* extension) {
    char record[KeyPathSize];
    char shellNew[KeyPathSize];
    if (!SetupKeyFor(extension, record, sizeof record)) return;
    FormerOwner owner = ReadFormerOwner(record);
    if (owner.exist != 0) {
        SetRegString(HKEY_CLASSES_ROOT, extension, "", owner.type);
        if (owner.content[0] != '\0') {
            SetRegString(HKEY_CLASSES_ROOT, extension, "Content Type", owner.content);
        } else {
            DeleteRegValue(HKEY_CLASSES_ROOT, extension, "Content Type");
        }
        RestoreNewMenuEntry(extension);
    } else {
        if (ShellNewKey(extension, shellNew)) DeleteRegKey(HKEY_CLASSES_ROOT, shellNew);
        DeleteRegKey(HKEY_CLASSES_ROOT, extension);
    }
    if (group == ZkvGroup) GiveBackVolumes(owner);
}

// What RegisterProgIds writes as the default value of each key: a string
// from the string table, or a format applied to the path of Zelkova.exe
// (one without '%' is the text itself and needs no path).
struct ProgIdEntry {
    const char* key;    // a ProgID or an extension
    const char* subKey; // below it, empty for the key itself
    int stringId;       // 0: use format
    const char* format;
};

constexpr char OpenCommand[] = "\"%s\" \"%%1\"";
constexpr char ShellOpen[] = "\\shell\\open\\command";

const ProgIdEntry ProgIdEntries[] = {
    {ZkvProgId, "", IDS_ZKV_FILE_TYPE, nullptr},
    {ZkvProgId, ShellOpen, 0, OpenCommand},
    {ZkvProgId, "\\DefaultIcon", 0, "%s,0"},
    {ZipProgId, "", IDS_ZIP_FILE_TYPE, nullptr},
    {ZipProgId, ShellOpen, 0, OpenCommand},
    {ZipProgId, "\\DefaultIcon", 0, "%s,0"},
    {RevExtension, "", 0, RevProgId},
    {RevProgId, "", IDS_REV_FILE_TYPE, nullptr},
    {RevProgId, ShellOpen, 0, OpenCommand},
    {RevProgId, "\\DefaultIcon", 0, "%s,1"},
};
} // namespace

void UpdateAssociations(const SetupChoices& choices) {
    PrepareNewMenuTemplates();
    for (int group = 0; group < ArchiveGroupCount; ++group) {
        const char* cursor = ArchiveGroups[group].extensions;
        char extension[16];
        while (NextExtension(&cursor, extension, sizeof extension)) {
            if (choices.Associate[group]) {
                TakeOver(group, extension, choices.ShellExt);
            } else if (IsOwnAssociation(extension)) {
                GiveBack(group, extension);
            }
        }
    }
}

void RegisterProgIds() {
    char program[PathSize];
    char data[PathSize + 16];
    bool haveProgram = ProgramFilePath("Zelkova.exe", program);
    for (const ProgIdEntry& entry : ProgIdEntries) {
        char key[KeyPathSize];
        if (!FormatWhole(key, sizeof key, "%s%s", entry.key, entry.subKey)) continue;
        if (entry.stringId != 0) {
            SetRegString(HKEY_CLASSES_ROOT, key, "", ResString(entry.stringId));
        } else if (std::strchr(entry.format, '%') == nullptr) {
            SetRegString(HKEY_CLASSES_ROOT, key, "", entry.format);
        } else if (haveProgram && FormatWhole(data, sizeof data, entry.format, program)) {
            SetRegString(HKEY_CLASSES_ROOT, key, "", data);
        }
    }
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}
