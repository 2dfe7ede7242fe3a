// A Zelkova folder whose name the ANSI code page cannot spell: the ANSI
// functions give the program a look-alike of its path ("Łukasz" as
// "Lukasz" in code page 1252) or one with '?'. Setup, the uninstall and
// "/clean" refuse it and change nothing, neither the real installation nor
// a look-alike one with its own list file and program.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/driver/ui_driver.h"
#include "tests/support/call_site.h"
#include "tests/support/files.h"
#include "tests/support/registry_snapshot.h"

namespace {

const std::wstring Parent = L"C:\\Program Files\\\u0141ukasz"; // "Łukasz"
const std::wstring Real = Parent + L"\\Zelkova";
const std::wstring Plain = L"C:\\zk-plain"; // any code page spells it

std::wstring Wide(const std::string& ansi) {
    wchar_t wide[MAX_PATH] = L"";
    MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, MAX_PATH);
    return wide;
}

// The system's ANSI form of a name, as the A functions give it.
std::string Ansi(const std::wstring& wide) {
    char ansi[4096] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

// The files of an installation: the program files and the list naming them.
const wchar_t* const Names[] = {L"uninstall.exe", L"Zelkova.exe", L"zkvext.dll", L"Uninstall.lst"};

// An installation as its installer leaves it, made with the W functions.
void Stage(const std::wstring& folder, CallSite at = {}) {
    CalledFrom trace(at);
    CreateDirectoryW(folder.substr(0, folder.rfind(L'\\')).c_str(), nullptr);
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    const std::string list = test_files::TempFolder() + "zk-own-folder.lst";
    test_files::Write(list, "Zelkova.exe\r\nzkvext.dll\r\nuninstall.exe\r\nUninstall.lst\r\n");
    const std::string sources[] = {ui::ArgumentPath(1), ui::ArgumentPath(2), ui::ArgumentPath(3),
                                   list};
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(
            CopyFileW(Wide(sources[i]).c_str(), (folder + L"\\" + Names[i]).c_str(), FALSE));
    DeleteFileA(list.c_str());
}

// Whether each file of the installation in folder is still there.
bool Intact(const std::wstring& folder) {
    for (const wchar_t* name : Names)
        if (GetFileAttributesW((folder + L"\\" + name).c_str()) == INVALID_FILE_ATTRIBUTES)
            return false;
    return true;
}

void RemoveFolder(const std::wstring& folder) {
    for (const wchar_t* name : Names)
        DeleteFileW((folder + L"\\" + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

class OwnFolder : public ::testing::Test {
  protected:
    // The look-alike that the ANSI path names, when one can exist.
    const std::string lookAlike = Ansi(Real);
    const bool lookAlikeExists = lookAlike.find('?') == std::string::npos;

    void SetUp() override {
        ASSERT_NE(Wide(lookAlike), Real) << "this code page spells the name";
        // Code page 1252 has the look-alike the fault needs.
        if (GetACP() == 1252) {
            ASSERT_TRUE(lookAlikeExists) << lookAlike;
        }
        Stage(Real);
        Stage(Plain);
        if (lookAlikeExists) Stage(Wide(lookAlike));
    }
    void TearDown() override {
        for (const std::wstring& folder : {Real, Plain, Wide(lookAlike)})
            RemoveFolder(folder);
        RemoveDirectoryW(Parent.c_str());
        RemoveDirectoryW(Wide(Ansi(Parent)).c_str());
    }
};

// Each mode that changes something, interactive and silent: nothing changes
// anywhere, a silent run ends with 5, an interactive one names the folder.
TEST_F(OwnFolder, EveryModeThatChangesSomethingRefusesAndChangesNothing) {
    struct Case {
        const wchar_t* program; // folder of uninstall.exe
        const wchar_t* tail;
        const wchar_t* startIn;
        bool silent;
    } const cases[] = {
        {Real.c_str(), L" /uninstall", L"C:\\windows", false},
        {Real.c_str(), L" /uninstall /s", L"C:\\windows", true},
        {Real.c_str(), L" /setup /s", Real.c_str(), true},
        {Real.c_str(), L" /clean", Real.c_str(), false},
        // Setup records the folder it is started in as the installation's.
        {Plain.c_str(), L" /setup /s", Real.c_str(), true},
    };
    const registry_snapshot::Snapshot registry = registry_snapshot::Registry();
    for (const Case& c : cases) {
        std::wstring line = L"\"" + std::wstring(c.program) + L"\\uninstall.exe\"" + c.tail;
        SCOPED_TRACE(Ansi(line));
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   c.startIn, &startup, &info));
        CloseHandle(info.hThread);
        ui::Process process = {info.hProcess, info.dwProcessId};
        if (!c.silent) {
            HWND box = ui::WaitForWindow(nullptr, ui::kDialogClass, process.id);
            ASSERT_NE(box, nullptr);
            wchar_t shown[2048] = L""; // the message in UTF-16, as it is shown
            GetWindowTextW(ui::FindControl(box, ui::kMessageBoxTextId), shown, 2048);
            const std::wstring text = shown;
            EXPECT_EQ(text.substr(text.rfind(L'\n') + 1), Real) << Ansi(text);
            ui::AnswerMessageBox(box, IDOK);
        }
        DWORD code = 0xFFFFFFFF; // a box would keep a silent run from ending
        EXPECT_TRUE(ui::WaitForExit(process.handle, 15000, &code));
        EXPECT_EQ(code, c.silent ? 5u : 0u);
        ui::EndProcess(process);
        EXPECT_TRUE(Intact(Real) && Intact(Plain));
        EXPECT_EQ(Intact(Wide(lookAlike)), lookAlikeExists);
    }
    EXPECT_EQ(registry_snapshot::Lines(registry),
              registry_snapshot::Lines(registry_snapshot::Registry()));
}

} // namespace
