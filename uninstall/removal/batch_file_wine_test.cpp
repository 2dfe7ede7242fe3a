// The batch file written and run for real through Wine's cmd.exe.
#include <gtest/gtest.h>

#include <string>

#include "uninstall/common/system_calls.h"
#include "uninstall/common/windows_version.h"
#include "uninstall/removal/batch_file.h"
#include "uninstall/removal/batch_text.h"
#include "tests/support/call_site.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"

namespace {

// "测试" in code page 936, the ANSI and the OEM code page of the test prefix.
const char* const Chinese = "\xB2\xE2\xCA\xD4";

TEST(PathForBatch, DoublesPercentAndKeepsTextTheOemCodePageCanHold) {
    ASSERT_EQ(GetOEMCP(), 936u);
    char out[64];
    ASSERT_TRUE(PathForBatch((std::string("C:\\50%\\") + Chinese).c_str(), out, sizeof out));
    EXPECT_EQ(std::string(out), std::string("C:\\50%%\\") + Chinese);
    EXPECT_FALSE(PathForBatch("C:\\%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%%", out, sizeof out));
}

TEST(CommandInterpreter, FallsBackToTheSystemsOwnWithoutComspec) {
    EnvironmentChange environment;
    char system[MAX_PATH], windows[MAX_PATH], out[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    GetWindowsDirectoryA(windows, sizeof windows);

    environment.Set("COMSPEC", "X:\\shell\\my.exe");
    EXPECT_TRUE(CommandInterpreter(out, sizeof out, true));
    EXPECT_STREQ(out, "X:\\shell\\my.exe");
    environment.Set("COMSPEC", nullptr);
    EXPECT_TRUE(CommandInterpreter(out, sizeof out, true));
    EXPECT_EQ(std::string(out), std::string(system) + "\\cmd.exe");
    EXPECT_TRUE(CommandInterpreter(out, sizeof out, false));
    EXPECT_EQ(std::string(out), std::string(windows) + "\\command.com");
    EXPECT_FALSE(CommandInterpreter(out, 8, true));
}

// A program folder whose names hold "%", blanks and Chinese characters: the
// batch run removes the program file, its folder and itself.
void RunBatchInFolder(bool withoutComspec, CallSite at = {}) {
    CalledFrom trace(at);
    ScratchFolder outer("zk-batch");
    const std::string folder = outer / (std::string("Zkv 50%PATH% ") + Chinese);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string program = folder + "\\uninstall.exe";
    char system[MAX_PATH];
    GetSystemDirectoryA(system, sizeof system);
    // A harmless program that ends at once takes the place of the "/wait" instance.
    ASSERT_TRUE(
        CopyFileA((std::string(system) + "\\hostname.exe").c_str(), program.c_str(), FALSE));
    const std::string batch = outer / BatchFileName;
    ASSERT_TRUE(WriteBatchFile(batch.c_str(), program.c_str(), folder.c_str(), true, true));

    EnvironmentChange environment;
    if (withoutComspec) environment.Set("COMSPEC", nullptr);
    SetCurrentDirectoryA(outer.path.c_str());
    ASSERT_TRUE(StartBatch(batch.c_str(), WinNtVersion()));
    environment.Restore();

    for (int i = 0; i < 200 && (test_files::Exists(folder) || test_files::Exists(batch)); ++i)
        Sleep(50);
    EXPECT_FALSE(test_files::Exists(program));
    EXPECT_FALSE(test_files::Exists(folder));
    EXPECT_FALSE(test_files::Exists(batch));
    char windows[MAX_PATH];
    GetWindowsDirectoryA(windows, sizeof windows);
    SetCurrentDirectoryA(windows);
}

TEST(BatchRun, RemovesAProgramFolderWithPercentAndChineseInItsName) {
    RunBatchInFolder(false);
}

TEST(BatchRun, RunsWithoutComspecThroughTheSystemsInterpreter) {
    RunBatchInFolder(true);
}

// What StartBatch hands CreateProcessA, recorded instead of starting.
std::string startLine;
DWORD startFlags;
BOOL WINAPI RecordStart(LPCSTR, LPSTR line, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                        DWORD flags, LPVOID, LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION) {
    startLine = line;
    startFlags = flags;
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
}

// The command line and creation flags of the interpreter as COMSPEC names
// it. Only cmd.exe of Windows 2000 and later documents /d and /v:off. On the
// NT family the interpreter gets no console, not even a hidden one; the 95
// family's command.com runs detached.
TEST(StartBatch, SwitchesAndConsolePerInterpreterAndFamily) {
    const int nt = VER_PLATFORM_WIN32_NT, w95 = VER_PLATFORM_WIN32_WINDOWS;
    const DWORD none = CREATE_NO_WINDOW, detached = DETACHED_PROCESS;
    const struct {
        const char *comspec, *switches;
        int platform, major;
        DWORD flags;
    } cases[] = {
        {"C:\\w\\cmd.exe", "/d /v:off /c", nt, 10, none},
        {"C:\\W\\CMD.EXE", "/d /v:off /c", nt, 5, none},
        {"C:\\w\\cmd.exe", "/c", nt, 4, none},
        {"C:\\w\\tcc.exe", "/c", nt, 10, none},
        {"C:\\w\\command.com", "/c", w95, 4, detached},
        {"C:\\w\\cmd.exe", "/c", w95, 4, detached},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.comspec) + " on " + std::to_string(c.major));
        EnvironmentChange environment;
        environment.Set("COMSPEC", c.comspec);
        OverrideWindowsVersion(c.platform, c.major, 0);
        System.createProcess = RecordStart;
        EXPECT_FALSE(StartBatch("C:\\t\\Uninstall_Zkv.Bat", WinNtVersion()));
        RestoreSystemCalls();
        ClearWindowsVersionOverride();
        EXPECT_EQ(startLine,
                  std::string(c.comspec) + " " + c.switches + " \"C:\\t\\Uninstall_Zkv.Bat\"");
        EXPECT_EQ(startFlags, c.flags);
    }
}

} // namespace
