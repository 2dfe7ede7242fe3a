// "New" menu entries:
//
//   HKCR\<ext>\ShellNew   FileName  <program folder>\zkvnew.dat or zipnew.dat
//                         Data      the template bytes (Windows 95, 98, NT 4,
//                                   or when the template file cannot be made);
//                                   a "Data" of other bytes is another program's
//                         NullFile  ""  (only when a former owner had it)
//   HKCU\Software\Zelkova\Setup\<ext>   the former owner's record (associations):
//       DataWritten  DWORD   1 when setup wrote "Data" last, 0 when it did not;
//                            missing in a record of an earlier setup
//       FormerData   binary  the former owner's "Data", when there was one
#include <windows.h>
#include <cstring>
#include "uninstall/common/format.h"
#include "uninstall/common/text.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/registry/registry.h"
#include "uninstall/setup/archive_types.h"
#include "uninstall/setup/new_menu.h"
#include "uninstall/setup/new_menu_templates.h"
#include "uninstall/common/program_path.h"

bool ShellNewKey(const char* extension, char* key) {
    return FormatWhole(key, KeyPathSize, "%s\\ShellNew", extension);
}

namespace {
constexpr DWORD Unmarked = 2; // "DataWritten" of a record without the mark
constexpr int FormerDataSize = 4096;

// Windows 95, 98 and NT 4 (4.0 and 4.10) read the bytes from the registry.
bool TemplateFilesSupported() {
    WindowsVersionInfo version = WindowsVersion();
    return version.major > 4 || version.minor > 10;
}

// Makes the template file unless a file is there already. False when there
// is no file at path afterwards (a folder of that name, a read-only folder).
bool EnsureTemplateFile(const char* path, const NewMenuTemplate& bytes) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD attributes = GetFileAttributesA(path); // an existing file is used as it is
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    DWORD written = 0;
    bool complete =
        WriteFile(file, bytes.bytes, static_cast<DWORD>(bytes.size), &written, nullptr) &&
        written == bytes.size;
    CloseHandle(file);
    if (!complete) DeleteFileA(path);
    return complete;
}

// Whether the "Data" under key holds exactly the bytes of a template that
// InstallNewMenuTemplate writes (once UpdateAssociations has prepared them).
bool HoldsOwnTemplateData(const char* key) {
    unsigned char data[32];
    DWORD length = 0;
    if (!GetRegBytes(HKEY_CLASSES_ROOT, key, "Data", data, sizeof data, &length)) return false;
    const NewMenuTemplate* const own[] = {&ZkvNewMenuTemplate, &ZipNewMenuTemplate};
    for (const NewMenuTemplate* bytes : own) {
        if (length == bytes->size && std::memcmp(data, bytes->bytes, length) == 0) return true;
    }
    return false;
}
} // namespace

void FormerNewMenuEntry(const char* extension, char* entry, std::size_t size) {
    char key[KeyPathSize];
    entry[0] = '\0';
    if (!ShellNewKey(extension, key)) return;
    GetRegString(HKEY_CLASSES_ROOT, key, "FileName", entry, static_cast<DWORD>(size), "");
    char nullFile[10];
    if (entry[0] == '\0' &&
        GetRegString(HKEY_CLASSES_ROOT, key, "NullFile", nullFile, sizeof nullFile, "")) {
        CopyWhole(entry, size, "*");
    }
}

void RecordFormerNewMenuData(const char* extension, const char* record) {
    char key[KeyPathSize];
    unsigned char data[FormerDataSize];
    DWORD length = 0;
    SetSettingDword(record, "DataWritten", 0);
    DeleteRegValue(HKEY_CURRENT_USER, record, "FormerData");
    if (ShellNewKey(extension, key) &&
        GetRegBytes(HKEY_CLASSES_ROOT, key, "Data", data, sizeof data, &length))
        SetRegBinary(HKEY_CURRENT_USER, record, "FormerData", length, data);
}

void InstallNewMenuTemplate(const char* extension, bool zkv) {
    char key[KeyPathSize];
    char record[KeyPathSize];
    if (!ShellNewKey(extension, key) || !SetupKeyFor(extension, record, sizeof record)) return;
    DeleteRegKey(HKEY_CLASSES_ROOT, key);
    const NewMenuTemplate& bytes = zkv ? ZkvNewMenuTemplate : ZipNewMenuTemplate;
    char path[PathSize];
    // A "FileName" naming a file that could not be made would offer a broken
    // entry: the bytes go into "Data" then, as on the older systems.
    if (TemplateFilesSupported() && ProgramFilePath(bytes.fileName, path) &&
        EnsureTemplateFile(path, bytes)) {
        SetRegString(HKEY_CLASSES_ROOT, key, "FileName", path);
        SetSettingDword(record, "DataWritten", 0);
    } else {
        SetRegBinary(HKEY_CLASSES_ROOT, key, "Data", static_cast<DWORD>(bytes.size), bytes.bytes);
        SetSettingDword(record, "DataWritten", 1);
    }
}

void RestoreNewMenuEntry(const char* extension) {
    char record[KeyPathSize];
    char key[KeyPathSize];
    if (!SetupKeyFor(extension, record, sizeof record) || !ShellNewKey(extension, key)) return;
    char entry[PathSize];
    GetSettingString(record, "ShellNew", entry, sizeof entry, "");
    // What setup wrote goes, so the former owner's entry is not shadowed by
    // the Zelkova template. "Data" goes only when the record says setup wrote
    // it and it still holds our bytes: another archiver's empty ZIP archive
    // is byte for byte ours. A record of an earlier setup has no mark; there
    // the bytes alone decide.
    DeleteRegValue(HKEY_CLASSES_ROOT, key, "FileName");
    if (GetSettingDword(record, "DataWritten", Unmarked) != 0 && HoldsOwnTemplateData(key))
        DeleteRegValue(HKEY_CLASSES_ROOT, key, "Data");
    // The former owner's "Data", which setup's template replaced.
    unsigned char data[FormerDataSize];
    DWORD length = 0;
    if (!GetRegBytes(HKEY_CLASSES_ROOT, key, "Data", data, sizeof data, &length) &&
        GetRegBytes(HKEY_CURRENT_USER, record, "FormerData", data, sizeof data, &length))
        SetRegBinary(HKEY_CLASSES_ROOT, key, "Data", length, data);
    if (entry[0] == '*') {
        SetRegString(HKEY_CLASSES_ROOT, key, "NullFile", "");
    } else if (entry[0] != '\0') {
        SetRegString(HKEY_CLASSES_ROOT, key, "FileName", entry);
    }
}
