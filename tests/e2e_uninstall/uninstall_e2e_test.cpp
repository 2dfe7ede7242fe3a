// uninstall.exe as a user meets it: a staged installation, set up silently,
// then removed through the confirmation, the list file and the batch file.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/driver/ui_driver.h"
#include "tests/support/call_site.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "tests/support/links.h"
#include "tests/support/pending_renames.h"
#include "tests/support/raw_registry.h"
#include "tests/support/registry_snapshot.h"
#include "tests/support/world.h"

using namespace registry_snapshot;

namespace {

const char* const Caption = "卸载 Zelkova";
const char* const UninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver";
const char* const ListText = "docs\r\nZelkova.exe\r\nzkvext.dll\r\nZkv.txt  \r\n\r\nzelkova.hlp\r\n"
                             "license.txt\r\nzkvnew.dat\r\nzipnew.dat\r\ndocs\\readme.txt\r\n"
                             "uninstall.exe\r\nUninstall.lst\r\n";

// Whether a dialog or message box of any process is on the screen.
bool AnyBoxVisible() {
    for (HWND w = FindWindowExA(nullptr, nullptr, ui::kDialogClass, nullptr); w;
         w = FindWindowExA(nullptr, w, ui::kDialogClass, nullptr))
        if (IsWindowVisible(w)) return true;
    return false;
}

// Files and folders below root whose name mentions Zelkova.
void FindZelkovaItems(const std::string& root, std::vector<std::string>* found) {
    WIN32_FIND_DATAA item;
    HANDLE search = FindFirstFileA((root + "\\*").c_str(), &item);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = item.cFileName;
        if (name == "." || name == "..") continue;
        std::string path = root + "\\" + name;
        if (CharLowerA(&name[0]) && name.find("zelkova") != std::string::npos)
            found->push_back(path);
        if ((item.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
            !(item.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            FindZelkovaItems(path, found);
    } while (FindNextFileA(search, &item));
    FindClose(search);
}

std::vector<std::string> ZelkovaLinks() {
    std::vector<std::string> found;
    for (int folder : {CSIDL_DESKTOPDIRECTORY, CSIDL_STARTMENU, CSIDL_COMMON_DESKTOPDIRECTORY,
                       CSIDL_COMMON_STARTMENU}) {
        const std::string path = test_links::SpecialFolder(folder);
        if (!path.empty()) FindZelkovaItems(path, &found);
    }
    return found;
}

using test_files::Exists;
using test_files::Write;

std::string BatchInTemp() {
    return test_files::TempFolder() + "Uninstall_Zkv.Bat";
}

// Every top-level window of every process, shown or not (a console's
// window among them), as "class (process id)".
std::set<std::string> TopLevelWindows() {
    std::set<std::string> found;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            char name[256] = "";
            GetClassNameA(window, name, sizeof name);
            DWORD id = 0;
            GetWindowThreadProcessId(window, &id);
            reinterpret_cast<std::set<std::string>*>(list)->insert(std::string(name) + " (" +
                                                                   std::to_string(id) + ")");
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// A folder name with a blank, "%" and letters beyond ASCII that the system
// code page spells: Chinese, else Cyrillic, else Latin ones.
std::string FolderName() {
    return test_world::FirstSpelled(
        {"Zelkova 100% 测试", "Zelkova 100% Тест", "Zelkova 100% Tést"});
}

class Uninstall : public ::testing::Test {
  protected:
    const std::string folder = "C:\\Program Files\\" + FolderName();
    const std::string program = folder + "\\uninstall.exe";
    std::string caption = Caption; // of every box, as the texts in use give it
    ui::Process process{};
    ui::Process holder{}; // of zkvext.dll, while it is held

    std::string In(const char* name) const { return folder + "\\" + name; }

    void TearDown() override {
        ui::EndProcess(process);
        ui::EndProcess(holder);
        // A batch run still going would act on the next test's staging of the
        // same folder (its "if not exist" finds the new program and goes on
        // deleting it): wait for its last line, which deletes the batch file.
        EXPECT_TRUE(ui::WaitUntil([] { return !Exists(BatchInTemp()); }, 20000));
    }

    // The installation as the installer leaves it, with its list file.
    void Stage(bool withList, int extraFiles = 0, CallSite at = {}) {
        CalledFrom trace(at);
        CreateDirectoryA("C:\\Program Files", nullptr);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) ||
                    GetLastError() == ERROR_ALREADY_EXISTS);
        const std::string files = ui::ArgumentPath(4);
        const std::pair<std::string, const char*> copies[] = {
            {ui::ArgumentPath(1), "uninstall.exe"},   {ui::ArgumentPath(2), "Zelkova.exe"},
            {ui::ArgumentPath(3), "zkvext.dll"},      {files + "\\Zkv.txt", "Zkv.txt"},
            {files + "\\zelkova.hlp", "zelkova.hlp"}, {files + "\\license.txt", "license.txt"}};
        for (const auto& copy : copies)
            ASSERT_TRUE(CopyFileA(copy.first.c_str(), In(copy.second).c_str(), FALSE))
                << copy.first;
        CreateDirectoryA(In("docs").c_str(), nullptr);
        Write(In("docs\\readme.txt"), "read me");
        SetFileAttributesA(In("docs\\readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        Write(In("zelkova.gid"), "help index");
        std::string list = ListText;
        for (int i = 0; i < extraFiles; ++i) {
            std::string name = "data\\file" + std::to_string(i) + ".bin";
            if (i == 0) CreateDirectoryA(In("data").c_str(), nullptr);
            Write(In(name.c_str()), "x");
            list += name + "\r\n";
        }
        if (extraFiles) list += "data\r\n";
        if (withList) Write(In("Uninstall.lst"), list);
    }

    // Setup opens the new program group, which under Wine starts an
    // explorer.exe that stays, with the installation folder as its current
    // directory (on Windows the running shell opens it). It is ended here, as
    // it would keep the folder from being removed.
    void RunSetup(CallSite at = {}, const char* startIn = nullptr) {
        CalledFrom trace(at);
        GetDesktopWindow(); // the desktop process starts from this one, not from setup
        std::string line = "\"" + program + "\" /setup /s";
        ui::Process setup = ui::StartProcess(line.c_str(), startIn ? startIn : folder.c_str());
        DWORD code;
        ASSERT_TRUE(ui::WaitForExit(setup.handle, 30000, &code));
        ui::EndProcessesNamed("explorer.exe", setup.id);
        ui::EndProcess(setup);
        ASSERT_FALSE(ZelkovaLinks().empty()) << "setup made no links";
    }

    // Starts the uninstall as Add/Remove Programs does (from another
    // folder) and returns its confirmation box.
    HWND StartUninstall(CallSite at = {}) {
        CalledFrom trace(at);
        std::string line = "\"" + program + "\"";
        process = ui::StartProcess(line.c_str(), "C:\\windows");
        EXPECT_NE(process.handle, nullptr);
        HWND box = ui::WaitForWindow(ui::Ansi(caption).c_str(), ui::kDialogClass, process.id);
        EXPECT_NE(box, nullptr);
        return box;
    }

    // A helper process holds zkvext.dll: open without delete sharing, which
    // keeps it from being renamed too, or loaded (load), as Explorer holds
    // it; returns once it does.
    void HoldTheShellExtension(CallSite at = {}, bool load = false) {
        CalledFrom trace(at);
        pending_renames::Clear();
        const char* const readyEvent = "zk-hold-file-ready";
        HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, readyEvent);
        std::string line = "\"" + ui::ArgumentPath(5) + "\" \"" + In("zkvext.dll") + "\" " +
                           readyEvent + (load ? " load" : "");
        holder = ui::StartProcess(line.c_str(), nullptr);
        HANDLE either[] = {ready, holder.handle};
        bool held =
            holder.handle && WaitForMultipleObjects(2, either, FALSE, 10000) == WAIT_OBJECT_0;
        CloseHandle(ready);
        ASSERT_TRUE(held) << "zkvext.dll is not held";
    }

    // The batch run still takes the program file; then zkvext.dll is let go
    // and nothing stays scheduled.
    void ExpectTheProgramGoneThenLetGo(CallSite at = {}) {
        CalledFrom trace(at);
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(program); }, 15000))
            << "the batch file left it";
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(BatchInTemp()); }, 10000));
        ui::EndProcess(holder);
        pending_renames::Clear();
        RemoveStaging();
    }

    // Runs "/uninstall /s" to its end, watching for any box on the way;
    // the exit code.
    DWORD RunSilently(CallSite at = {}) {
        CalledFrom trace(at);
        std::string line = "\"" + program + "\" /uninstall /s";
        process = ui::StartProcess(line.c_str(), "C:\\windows");
        EXPECT_NE(process.handle, nullptr);
        bool boxSeen = false;
        ui::WaitUntil(
            [&] {
                boxSeen |= AnyBoxVisible();
                return WaitForSingleObject(process.handle, 0) == WAIT_OBJECT_0;
            },
            15000);
        EXPECT_FALSE(boxSeen);
        DWORD code = 0xFFFFFFFF;
        EXPECT_TRUE(ui::WaitForExit(process.handle, 0, &code));
        return code;
    }

    // The next box under the program's caption after the confirmation box.
    HWND WaitForNextBox(HWND confirmation) {
        HWND next = nullptr;
        ui::WaitUntil(
            [&] {
                next =
                    ui::WaitForWindow(ui::Ansi(caption).c_str(), ui::kDialogClass, process.id, 100);
                return next && next != confirmation;
            },
            15000);
        return next != confirmation ? next : nullptr;
    }

    // Starts the uninstall, confirms it and gives the box that follows the
    // confirmation; null, with a failure at the caller's line, when none comes.
    HWND ConfirmAndWaitForNextBox(CallSite at = {}) {
        HWND box = StartUninstall();
        if (!box) {
            ADD_FAILURE_AT(at.file, at.line) << "no confirmation";
            return nullptr;
        }
        ui::AnswerMessageBox(box, IDYES);
        HWND next = WaitForNextBox(box);
        if (!next) ADD_FAILURE_AT(at.file, at.line) << "no word to the user";
        return next;
    }

    // Confirms, then expects the notice that names the program folder, with
    // the listed files gone and the program file and folder still there.
    void ExpectManualRemovalNoticeForTheFolder(const char* shot, CallSite at = {}) {
        CalledFrom trace(at);
        HWND notice = ConfirmAndWaitForNextBox(at);
        ASSERT_NE(notice, nullptr);
        EXPECT_EQ(ui::Utf8(ui::MessageBoxText(notice)),
                  "卸载已完成\n你应该手动删除 " + ui::Utf8(folder));
        ui::SaveScreenshot(notice, shot);
        ui::AnswerMessageBox(notice, IDOK);
        DWORD code = 1;
        EXPECT_TRUE(ui::WaitForExit(process.handle, 10000, &code));
        EXPECT_EQ(code, 0u);
        EXPECT_FALSE(Exists(In("Zelkova.exe")));
        EXPECT_FALSE(Exists(In("Uninstall.lst")));
        EXPECT_TRUE(Exists(program));
        EXPECT_FALSE(Exists(BatchInTemp()));
    }

    std::string Contents() const {
        std::vector<std::string> left;
        WIN32_FIND_DATAA item;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &item);
        std::string names;
        if (search != INVALID_HANDLE_VALUE) {
            do
                names += std::string(item.cFileName) + " ";
            while (FindNextFileA(search, &item));
            FindClose(search);
        }
        return names;
    }

    // The folder, the batch file, the links and every registry entry of
    // setup gone, timed from start.
    void ExpectEverythingGone(const Snapshot& before, DWORD start, CallSite at = {}) {
        CalledFrom trace(at);
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(folder); }, 15000))
            << "left: " << Contents();
        DWORD seconds100 = (GetTickCount() - start) / 10;
        std::printf("start to folder gone: %lu.%02lu s\n", seconds100 / 100, seconds100 % 100);
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(BatchInTemp()); }, 5000));
        EXPECT_EQ(ZelkovaLinks(), std::vector<std::string>{});
        for (const auto& pending : pending_renames::Read())
            EXPECT_EQ(pending.first.find(folder), std::string::npos) << pending.first;

        const Snapshot after = Registry();
        EXPECT_EQ(Difference(before, after), "") << "removed although it was there before setup";
        EXPECT_EQ(UnsharedLeftovers(after, before), "");
        // Empty handler keys of files, folders, drives and directories and the
        // parents of removed handler keys: other programs may hang theirs there.
        std::printf("kept, as other programs share them:\n%s", Difference(after, before).c_str());
    }

    void ExpectEverythingStays(CallSite at = {}) {
        CalledFrom trace(at);
        for (const char* name : {"uninstall.exe", "Zelkova.exe", "docs\\readme.txt", "zelkova.gid"})
            EXPECT_TRUE(Exists(In(name))) << name;
    }

    void RemoveStaging() { test_files::RemoveTree(folder); }
};

TEST_F(Uninstall, RemovesEverythingWithinSecondsAndLeavesTheRegistryAsBeforeSetup) {
    const Snapshot before = Registry();
    Stage(true);
    RunSetup();
    HWND box = StartUninstall();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(box)), "确实要卸载 Zelkova 吗?");
    ui::SaveScreenshot(box, "uninstall-confirm.png");
    DWORD start = GetTickCount();
    ui::AnswerMessageBox(box, IDYES);
    ExpectEverythingGone(before, start);
}

TEST_F(Uninstall, SilentlyRemovesTheSameWithoutAnyWindow) {
    const Snapshot before = Registry();
    Stage(true);
    RunSetup();
    DWORD start = GetTickCount();
    EXPECT_EQ(RunSilently(), 0u);
    ExpectEverythingGone(before, start);
    EXPECT_FALSE(AnyBoxVisible());
}

TEST_F(Uninstall, SetupDescribesTheEntryInFullAndTheUninstallTakesItAway) {
    Stage(true);
    RunSetup();
    using raw_registry::Dword;
    using raw_registry::Value;
    const std::string installed = Value(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString");
    EXPECT_EQ(installed, "\"" + program + "\""); // as before: quoted, as the folder has a blank
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "QuietUninstallString"),
              "\"" + program + "\" /uninstall /s");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayIcon"),
              "\"" + In("Zelkova.exe") + "\",0");
    EXPECT_EQ(Value(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation"), folder);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, UninstallKey, "NoModify"), 1u);
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, UninstallKey, "NoRepair"), 1u);
    // Every file of the list that exists, and the program, in KB rounded up.
    ULONGLONG bytes = 0;
    const std::string list = ListText;
    for (std::size_t at = 0, end; (end = list.find("\r\n", at)) != std::string::npos;
         at = end + 2) {
        std::string name = list.substr(at, end - at);
        name.erase(name.find_last_not_of(' ') + 1);
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!name.empty() &&
            GetFileAttributesExA(In(name.c_str()).c_str(), GetFileExInfoStandard, &data) &&
            !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && name != "uninstall.exe")
            bytes += data.nFileSizeLow;
    }
    WIN32_FILE_ATTRIBUTE_DATA self;
    ASSERT_TRUE(GetFileAttributesExA(program.c_str(), GetFileExInfoStandard, &self));
    bytes += self.nFileSizeLow;
    EXPECT_EQ(Dword(HKEY_LOCAL_MACHINE, UninstallKey, "EstimatedSize"),
              static_cast<DWORD>((bytes + 1023) / 1024));

    // Wine's own Add/Remove Programs lists it under its display name.
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string listing = std::string(temp) + "zk-uninstaller-list.txt";
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(listing.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(out, INVALID_HANDLE_VALUE);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = out;
    PROCESS_INFORMATION info = {};
    char command[] = "uninstaller.exe --list";
    ASSERT_TRUE(CreateProcessA(nullptr, command, nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                               nullptr, &startup, &info));
    CloseHandle(out);
    ui::Process lister = {info.hProcess, info.dwProcessId};
    CloseHandle(info.hThread);
    DWORD code;
    EXPECT_TRUE(ui::WaitForExit(lister.handle, 15000, &code));
    ui::EndProcess(lister);
    const std::string listed = test_files::Read(listing);
    DeleteFileA(listing.c_str());
    EXPECT_NE(listed.find("|||" + Value(HKEY_LOCAL_MACHINE, UninstallKey, "DisplayName")),
              std::string::npos)
        << listed;

    EXPECT_EQ(RunSilently(), 0u);
    EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(folder); }, 15000));
    EXPECT_FALSE(raw_registry::KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
}

TEST_F(Uninstall, SilentlyAFileInUseIsScheduledAndTheExitCodeSaysRestart) {
    Stage(true);
    RunSetup();
    HoldTheShellExtension();
    EXPECT_EQ(RunSilently(), 3010u);
    EXPECT_TRUE(pending_renames::DeletesAtRestart(In("zkvext.dll")));
    ExpectTheProgramGoneThenLetGo();
}

// A user who logs off (Explorer lets go of zkvext.dll) and reinstalls
// before the restart keeps the new file: what the restart deletes is the
// old one under a name of its own. Setup, started from the Windows folder,
// records the folder the uninstall removes.
TEST_F(Uninstall, ALoadedShellExtensionIsRenamedAsideSoThatAReinstallSurvivesTheRestart) {
    Stage(true);
    RunSetup({}, "C:\\windows");
    EXPECT_EQ(raw_registry::Value(HKEY_LOCAL_MACHINE, UninstallKey, "InstallLocation"), folder);
    HoldTheShellExtension({}, true);
    EXPECT_EQ(RunSilently(), 3010u);
    std::vector<std::string> aside; // pending deletions of files in the folder
    for (const auto& pending : pending_renames::Read())
        if (pending.second.empty() && pending.first.rfind(folder + "\\", 0) == 0)
            aside.push_back(pending.first);
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_NE(aside[0], In("zkvext.dll"));
    EXPECT_TRUE(Exists(aside[0]));
    EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(program) && !Exists(BatchInTemp()); }, 15000));
    ui::EndProcess(holder);
    Write(In("zkvext.dll"), "reinstalled");
    char command[] = "wineboot.exe";
    ui::Process boot = ui::StartProcess(command, nullptr);
    DWORD code;
    ASSERT_TRUE(ui::WaitForExit(boot.handle, 60000, &code));
    ui::EndProcess(boot);
    EXPECT_TRUE(pending_renames::Read().empty());
    EXPECT_FALSE(Exists(aside[0]));
    EXPECT_EQ(test_files::Read(In("zkvext.dll")), "reinstalled");
    RemoveStaging();
}

TEST_F(Uninstall, SilentlyWithoutAListFileGivesItsExitCodeAndChangesNothing) {
    Stage(false);
    RunSetup();
    const Snapshot installed = Registry();
    EXPECT_EQ(RunSilently(), 2u);
    ExpectEverythingStays();
    EXPECT_EQ(Lines(installed), Lines(Registry()));
    RemoveStaging();
}

TEST_F(Uninstall, SilentlyAProgramFileThatCannotBeDeletedIsLeftWithoutANotice) {
    Stage(true);
    RunSetup();
    ASSERT_EQ(RunSilently(), 0u);
    ui::EndProcess(process);
    HANDLE hold = CreateFileA(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    // The batch run ends by deleting itself: no notice on the way.
    bool boxSeen = false;
    EXPECT_TRUE(ui::WaitUntil(
        [&] { return (boxSeen |= AnyBoxVisible()) || !Exists(BatchInTemp()); }, 20000));
    EXPECT_FALSE(boxSeen);
    CloseHandle(hold);
    EXPECT_TRUE(Exists(program));
    EXPECT_FALSE(Exists(In("Zelkova.exe")));
    RemoveStaging();
}

TEST_F(Uninstall, DecliningChangesNothing) {
    Stage(true);
    RunSetup();
    const Snapshot installed = Registry();
    HWND box = StartUninstall();
    ASSERT_NE(box, nullptr);
    ui::AnswerMessageBox(box, IDNO);
    DWORD code;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 10000, &code));
    ExpectEverythingStays();
    EXPECT_EQ(Lines(installed), Lines(Registry()));
    EXPECT_FALSE(ZelkovaLinks().empty());
    RemoveStaging();
}

TEST_F(Uninstall, AMissingListFileIsReportedAndChangesNothing) {
    Stage(false);
    RunSetup();
    const Snapshot installed = Registry();
    HWND error = ConfirmAndWaitForNextBox();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(error)), "无法打开列表文件 Uninstall.lst");
    ui::SaveScreenshot(error, "uninstall-no-list.png");
    ui::AnswerMessageBox(error, IDOK);
    DWORD code;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 10000, &code));
    ExpectEverythingStays();
    EXPECT_EQ(Lines(installed), Lines(Registry()));
    RemoveStaging();
}

TEST_F(Uninstall, AProgramFileThatCannotBeDeletedLeadsToTheManualRemovalNotice) {
    Stage(true);
    RunSetup();
    HWND box = StartUninstall();
    ASSERT_NE(box, nullptr);
    ui::AnswerMessageBox(box, IDYES);
    DWORD code;
    ASSERT_TRUE(ui::WaitForExit(process.handle, 15000, &code));
    ui::EndProcess(process);
    // Held open without delete sharing once the first instance has ended:
    // the batch file's five attempts fail and it starts the notice.
    HANDLE hold = CreateFileA(program.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    HWND notice = ui::WaitForWindow(ui::Ansi(Caption).c_str(), ui::kDialogClass, 0, 20000);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(notice)),
              "卸载已完成\n你应该手动删除 " + ui::Utf8(program));
    ui::SaveScreenshot(notice, "uninstall-warning.png");
    ui::AnswerMessageBox(notice, IDOK);
    CloseHandle(hold);
    EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(BatchInTemp()); }, 10000));
    EXPECT_FALSE(Exists(In("Zelkova.exe")));
    RemoveStaging();
}

TEST_F(Uninstall, AFileInUseIsRemovedAtRestartAndTheUserIsTold) {
    Stage(true);
    RunSetup();
    HoldTheShellExtension();
    HWND notice = ConfirmAndWaitForNextBox();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(notice)),
              "卸载已完成\n" + ui::Utf8(folder) + " 中剩余的文件将在 Windows 重新启动时删除");
    ui::SaveScreenshot(notice, "uninstall-restart.png");
    EXPECT_TRUE(pending_renames::DeletesAtRestart(In("zkvext.dll")));
    EXPECT_TRUE(pending_renames::DeletesAtRestart(folder));
    ui::AnswerMessageBox(notice, IDOK);
    EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(program); }, 15000)) << "the batch file left it";
    for (const char* name : {"Zelkova.exe", "Zkv.txt", "zelkova.hlp", "license.txt", "docs",
                             "zelkova.gid", "Uninstall.lst"})
        EXPECT_FALSE(Exists(In(name))) << name;
    EXPECT_EQ(Contents(), ". .. zkvext.dll ");
    ExpectTheProgramGoneThenLetGo();
}

TEST_F(Uninstall, TheRestartNoticeIsTranslatedByTheSampleTranslationFile) {
    Stage(true);
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(6).c_str(), In("uninstall.lng").c_str(), FALSE));
    caption = "解除安裝 Zelkova";
    HoldTheShellExtension();
    HWND notice = ConfirmAndWaitForNextBox();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(notice)),
              "解除安裝已完成\n" + ui::Utf8(folder) + " 中剩餘的檔案將在 Windows 重新啟動時刪除");
    ui::AnswerMessageBox(notice, IDOK);
    ExpectTheProgramGoneThenLetGo();
}

TEST_F(Uninstall, ATempFolderThatCannotTakeTheBatchFileLeadsToTheNoticeForTheFolder) {
    Stage(true);
    EnvironmentChange environment;
    for (const char* name : {"TMP", "TEMP"})
        environment.Set(name, "C:\\no such folder");
    ExpectManualRemovalNoticeForTheFolder("uninstall-no-batch.png");
    RemoveStaging();
}

TEST_F(Uninstall, AnInterpreterThatCannotStartLeadsToTheNoticeForTheFolder) {
    Stage(true);
    EnvironmentChange environment;
    environment.Set("COMSPEC", "C:\\no such folder\\cmd.exe");
    // The fallback, the system's own interpreter, held without any sharing:
    // it cannot be started either.
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    HANDLE held = CreateFileA((std::string(system) + "\\cmd.exe").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    ExpectManualRemovalNoticeForTheFolder("uninstall-no-interpreter.png");
    CloseHandle(held);
    RemoveStaging();
}

TEST_F(Uninstall, AProgramFolderThatCannotBeMadeCurrentChangesNothingElsewhere) {
    // A folder named in Hebrew, which code page 936 cannot spell: the
    // program's ANSI path names a folder that does not exist. The uninstall
    // is started from a folder with a list file of its own, and refuses at
    // once: its folder's name cannot be used.
    const std::wstring hebrew = L"C:\\zk-\u05D0\u05D1";
    const std::wstring hebrewProgram = hebrew + L"\\uninstall.exe";
    ASSERT_TRUE(CreateDirectoryW(hebrew.c_str(), nullptr));
    std::wstring source(MAX_PATH, L'\0');
    source.resize(
        MultiByteToWideChar(CP_ACP, 0, ui::ArgumentPath(1).c_str(), -1, &source[0], MAX_PATH) - 1);
    ASSERT_TRUE(CopyFileW(source.c_str(), hebrewProgram.c_str(), FALSE));
    const std::string elsewhere = "C:\\zk-elsewhere";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    const char* const elsewhereFiles[] = {"Uninstall.lst", "kept.txt", "zelkova.gid"};
    Write(elsewhere + "\\Uninstall.lst", "kept.txt\r\n");
    Write(elsewhere + "\\kept.txt", "not Zelkova's");
    Write(elsewhere + "\\zelkova.gid", "not Zelkova's either");

    std::wstring line = L"\"" + hebrewProgram + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                               L"C:\\zk-elsewhere", &startup, &info));
    CloseHandle(info.hThread);
    process = {info.hProcess, info.dwProcessId};
    HWND error = ui::WaitForWindow(ui::Ansi(caption).c_str(), ui::kDialogClass, process.id);
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(error))
                  .rfind("此文件夹的名称无法在本系统的语言设置下使用。请重命名该文件夹，或手动删除 "
                         "Zelkova：\n",
                         0),
              0u)
        << ui::Utf8(ui::MessageBoxText(error));
    ui::AnswerMessageBox(error, IDOK);
    DWORD code;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 10000, &code));
    for (const char* name : elsewhereFiles)
        EXPECT_TRUE(Exists(elsewhere + "\\" + name)) << name;

    for (const char* name : elsewhereFiles)
        DeleteFileA((elsewhere + "\\" + name).c_str());
    RemoveDirectoryA(elsewhere.c_str());
    ui::EndProcess(process);
    DeleteFileW(hebrewProgram.c_str());
    RemoveDirectoryW(hebrew.c_str());
}

TEST_F(Uninstall, AnUninstallStoppedDuringTheFilePassesFinishesWhenRunAgain) {
    Stage(true, 1500);
    RunSetup();
    HWND box = StartUninstall();
    ASSERT_NE(box, nullptr);
    ui::AnswerMessageBox(box, IDYES);
    ASSERT_TRUE(ui::WaitUntil([&] { return !Exists(In("data\\file0.bin")); }, 15000));
    TerminateProcess(process.handle, 1);
    ui::EndProcess(process);
    ASSERT_TRUE(Exists(In("Uninstall.lst"))) << "the list went before the files it names";
    ASSERT_TRUE(Exists(In("data\\file1499.bin"))) << "stopped too late to tell";

    box = StartUninstall();
    ASSERT_NE(box, nullptr);
    ui::AnswerMessageBox(box, IDYES);
    EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(folder); }, 30000)) << "folder still there";
    EXPECT_EQ(ZelkovaLinks(), std::vector<std::string>{});
}

// The batch file goes to the interpreter of the system's family: on the 95
// family it starts the second instance through "start /wait", which the
// command.com of those systems needs to wait for a program. A cmd.exe of
// Windows 2000 and later is told to run no AutoRun command and to leave "!"
// alone (/d /v:off); the stand-in, named cmd.exe, records what it is given.
TEST_F(Uninstall, TheBatchFileIsHandedToTheInterpreterOfTheSystemsFamily) {
    Stage(true);
    const std::string scratch = "C:\\zk-interpreter", interpreter = scratch + "\\cmd.exe";
    const std::string log = scratch + "\\cmd.log";
    CreateDirectoryA(scratch.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(7).c_str(), interpreter.c_str(), FALSE));
    EnvironmentChange environment;
    environment.Set("COMSPEC", interpreter.c_str());
    EXPECT_EQ(RunSilently(), 0u);

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    const bool ntFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
    const char* switches = ntFamily && version.dwMajorVersion >= 5 ? " /d /v:off /c " : " /c ";
    // The interpreter is started, not waited for.
    EXPECT_TRUE(ui::WaitUntil([&] { return !test_files::Read(log).empty(); }, 10000));
    EXPECT_EQ(test_files::Read(log), interpreter + switches + "\"" + BatchInTemp() + "\"\r\n");
    // The batch file names the folder with each "%" doubled.
    std::string inBatch = folder;
    for (std::size_t at = 0; (at = inBatch.find('%', at)) != std::string::npos; at += 2)
        inBatch.insert(at, 1, '%');
    const std::string batch = test_files::Read(BatchInTemp());
    const std::string first =
        (ntFamily ? "\"" : "start /wait \"") + inBatch + "\\uninstall.exe\" /wait\r\n";
    EXPECT_EQ(batch.substr(0, first.size()), first) << batch;
    EXPECT_NE(batch.find("rd \"" + inBatch + "\"\r\n"), std::string::npos) << batch;
    test_files::RemoveTree(scratch);
    DeleteFileA(BatchInTemp().c_str());
    RemoveStaging();
}

// With the English library beside the program every box of the uninstall
// is English, those after the removal too: their texts are read before the
// library is let go.
TEST_F(Uninstall, TheLanguageLibrarySpeaksToTheLastBox) {
    Stage(true);
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(8).c_str(), In("zkvlng.dll").c_str(), FALSE));
    caption = "Uninstall Zelkova";
    HoldTheShellExtension();
    HWND notice = ConfirmAndWaitForNextBox();
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(ui::Utf8(ui::MessageBoxText(notice)), "Uninstall completed\nThe remaining files in " +
                                                        ui::Utf8(folder) +
                                                        " will be removed when Windows restarts");
    ui::AnswerMessageBox(notice, IDOK);
    ExpectTheProgramGoneThenLetGo();
}

// A damaged language library and a program group that cannot be deleted:
// the silent uninstall still shows nothing, no system or shell box and no
// window of the batch run's interpreter, not even a hidden one.
TEST_F(Uninstall, SilentlyWithADamagedLibraryAndAGroupInUseNoWindowAppears) {
    Stage(true);
    RunSetup();
    // The sample library cut in half: its sections reach past the file's end.
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(8).c_str(), In("zkvlng.dll").c_str(), FALSE));
    HANDLE cut =
        CreateFileA(In("zkvlng.dll").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(cut, INVALID_HANDLE_VALUE);
    SetFilePointer(cut, static_cast<LONG>(GetFileSize(cut, nullptr) / 2), nullptr, FILE_BEGIN);
    EXPECT_TRUE(SetEndOfFile(cut));
    CloseHandle(cut);
    const std::string group = test_links::SpecialFolder(CSIDL_PROGRAMS) + "\\Zelkova";
    HANDLE held = CreateFileA((group + "\\Zelkova.lnk").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    const std::set<std::string> before = TopLevelWindows();
    std::set<std::string> appeared;
    // Started without a console of its own to lend, as from Explorer.
    std::string line = "\"" + program + "\" /uninstall /s";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, "C:\\windows", &startup, &info));
    CloseHandle(info.hThread);
    process = {info.hProcess, info.dwProcessId};
    EXPECT_TRUE(ui::WaitUntil(
        [&] {
            for (const std::string& window : TopLevelWindows())
                if (!before.count(window)) appeared.insert(window);
            return WaitForSingleObject(process.handle, 0) == WAIT_OBJECT_0 && !Exists(program) &&
                   !Exists(BatchInTemp());
        },
        20000));
    EXPECT_EQ(appeared, std::set<std::string>{});
    DWORD code = 1;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 0, &code));
    EXPECT_EQ(code, 0u);
    CloseHandle(held);
    test_links::RemoveZelkovaLinks();
    RemoveStaging();
}

} // namespace
