// The uninstall procedure: confirmation, registry, listed files, then the
// program file and its folder through a batch file run after this process.
#include <windows.h>

#include <cstring>

#include "uninstall/common/exact_names.h"
#include "uninstall/common/file.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/localisation/ext_resource.h"
#include "uninstall/localisation/res_string.h"
#include "uninstall/res/resource_ids.h"
#include "uninstall/removal/batch_file.h"
#include "uninstall/removal/batch_text.h"
#include "uninstall/removal/clean_registry.h"
#include "uninstall/common/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "uninstall/removal/run_uninstall.h"
#include "uninstall/removal/unusable_folder.h"

namespace {
constexpr int MessageSize = 512;
constexpr const char* HelpIndexFiles[] = {"zelkova.gid", "zelkova.fts"};
} // namespace

// The texts of the notices that can follow the removal, read while the
// language library is loaded: it is released before the files are removed.
struct NoticeTexts {
    char caption[256];
    char done[256];
    char atRestart[256]; // formats with one "%s"
    char byHand[256];
};

static void ReadNoticeTexts(NoticeTexts* texts) {
    CopyCut(texts->caption, sizeof texts->caption, ResString(IDS_UNINSTALL_CAPTION));
    CopyCut(texts->done, sizeof texts->done, ResString(IDS_UNINSTALL_DONE));
    ResFormat(IDS_DELETE_AT_RESTART, texts->atRestart, sizeof texts->atRestart);
    ResFormat(IDS_DELETE_BY_HAND, texts->byHand, sizeof texts->byHand);
}

// "Uninstall completed", a line break and the detail formatted with path.
static void ShowRemovalNotice(const NoticeTexts& texts, const char* detail, const char* path) {
    char text[MessageSize];
    CopyCut(text, sizeof text, texts.done);
    std::size_t length = std::strlen(text);
    if (length + 2 < sizeof text) {
        text[length++] = '\n';
        FormatText(detail, path, text + length, sizeof text - length);
    }
    MessageBoxA(nullptr, text, texts.caption, MB_ICONINFORMATION | MB_SETFOREGROUND);
}

void ShowManualRemovalNotice(const char* path) {
    NoticeTexts texts;
    ReadNoticeTexts(&texts);
    ShowRemovalNotice(texts, texts.byHand, path);
}

static void ShowListFileError() {
    char text[MessageSize];
    FormatResString(IDS_NO_LIST_FILE, ListFileName, text, sizeof text);
    MessageBoxA(nullptr, text, ResString(IDS_UNINSTALL_CAPTION), MB_ICONERROR | MB_SETFOREGROUND);
}

// Registry, language library, help index and listed files; what is still
// in use is scheduled for deletion at the next start of Windows. The list
// file is deleted only once everything it names is gone or scheduled, so an
// uninstall that is stopped part-way can be run again. false when the list
// cannot be opened.
static bool RemoveInstallation(const char* folder, const char* program, Leftovers* left) {
    {
        File list;
        if (!list.Open(ListFileName)) return false;
        CleanRegistry();
        LanguagePack.Unload(); // the language library can now be deleted
        for (const char* name : HelpIndexFiles) {
            SetFileAttributesA(name, 0);
            DeleteFileA(name);
        }
        RemoveListedFiles(list, folder);
        *left = ScheduleLeftovers(list, folder, program, WinNtVersion() != 0);
    }
    DeleteFileA(ListFileName);
    return true;
}

// Writes the batch file that removes the program file and its folder once
// this process has ended, into batch. false when it cannot be written.
static bool WriteBatch(const char* program, bool silent, char* batch, DWORD size) {
    DWORD tempLength = GetTempPathA(size, batch);
    if (tempLength == 0 || tempLength >= size ||
        !CopyWhole(batch + tempLength, size - tempLength, BatchFileName))
        return false;
    char current[PathSize];
    DWORD currentLength = GetCurrentDirectoryA(sizeof current, current);
    return currentLength > 0 && currentLength < sizeof current &&
           WriteBatchFile(batch, program, current, WinNtVersion() != 0, !silent);
}

int RunUninstall(bool silent) {
    // An interactive uninstall has told the user everything: it ends with 0.
    auto result = [silent](UninstallResult code) { return silent ? static_cast<int>(code) : 0; };
    char program[PathSize];
    char folder[PathSize];
    if (!GetProgramPath(program, sizeof program) ||
        !ProgramFolder(program, folder, sizeof folder - 1))
        return result(UninstallNoListFile);
    // Every relative name below (the list file, the help index) must mean
    // the program folder, never the folder the process was started in.
    bool inFolder = SetCurrentDirectoryA(folder) != 0;
    wchar_t exactFolder[PathSize];
    if (inFolder && !CurrentDirectoryIsExact(exactFolder, PathSize))
        return RefuseUnusableFolder(silent, exactFolder);
    char shownFolder[PathSize];
    CopyWhole(shownFolder, sizeof shownFolder, folder); // the same size: it fits
    AppendBackslash(folder);                            // room kept above

    if (!silent &&
        MessageBoxA(nullptr, ResString(IDS_CONFIRM_UNINSTALL), ResString(IDS_UNINSTALL_CAPTION),
                    MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND) != IDYES)
        return 0; // declined: nothing changed
    NoticeTexts notices = {};
    if (!silent) ReadNoticeTexts(&notices);
    Leftovers left = Leftovers::None;
    if (!inFolder || !RemoveInstallation(folder, program, &left)) {
        if (!silent) ShowListFileError();
        return result(UninstallNoListFile);
    }
    char batch[PathSize];
    if (!WriteBatch(program, silent, batch, sizeof batch)) {
        // The program file and its folder stay: the user must remove them.
        if (!silent) ShowRemovalNotice(notices, notices.byHand, shownFolder);
        return result(UninstallNoFinalStep);
    }
    // Told before the batch run starts, which must find this process gone.
    if (left != Leftovers::None && !silent)
        ShowRemovalNotice(notices,
                          left == Leftovers::Scheduled ? notices.atRestart : notices.byHand,
                          shownFolder);
    // The batch run starts in the parent folder, so that the program folder
    // is nobody's current directory when it is removed.
    SetCurrentDirectoryA("..");
    if (!StartBatch(batch, WinNtVersion())) {
        DeleteFileA(batch);
        if (!silent && left != Leftovers::NotScheduled) // not told to delete the folder yet
            ShowRemovalNotice(notices, notices.byHand, shownFolder);
        return result(UninstallNoFinalStep);
    }
    ExitProcess(static_cast<UINT>(result(left == Leftovers::None        ? UninstallStarted
                                         : left == Leftovers::Scheduled ? UninstallRestartNeeded
                                                                        : UninstallLeftInUse)));
}
