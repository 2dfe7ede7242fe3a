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

// The creation flags StartBatch passes, recorded on the way to the system.
DWORD startFlags;
BOOL WINAPI RecordStart(LPCSTR name, LPSTR line, LPSECURITY_ATTRIBUTES p, LPSECURITY_ATTRIBUTES t,
                        BOOL inherit, DWORD flags, LPVOID env, LPCSTR dir, LPSTARTUPINFOA si,
                        LPPROCESS_INFORMATION pi) {
    startFlags = flags;
    return CreateProcessA(name, line, p, t, inherit, flags, env, dir, si, pi);
}

// The command line the interpreter receives, recorded by a stand-in that
// takes COMSPEC's place under each name (it writes "<name>.log" beside
// itself). Only cmd.exe of Windows 2000 and later documents /d and /v:off.
// On the NT family the interpreter gets no console, not even a hidden one;
// the 95 family's command.com runs detached.
TEST(StartBatch, SwitchesAndConsolePerInterpreterAndFamily) {
    const int nt = VER_PLATFORM_WIN32_NT, w95 = VER_PLATFORM_WIN32_WINDOWS;
    const DWORD none = CREATE_NO_WINDOW, detached = DETACHED_PROCESS;
    const struct {
        const char *name, *switches;
        int platform, major;
        DWORD flags;
    } cases[] = {
        {"cmd.exe", "/d /v:off /c", nt, 10, none},
        {"CMD.EXE", "/d /v:off /c", nt, 5, none},
        {"cmd.exe", "/c", nt, 4, none},
        {"tcc.exe", "/c", nt, 10, none},
        {"command.com", "/c", w95, 4, detached},
        {"cmd.exe", "/c", w95, 4, detached},
    };
    ASSERT_GE(__argc, 2) << "the recording stand-in is the first argument";
    std::string recorder = std::string("Z:") + __argv[1]; // a Unix path
    for (char& c : recorder)
        c = c == '/' ? '\\' : c;
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(c.platform) + "." +
                     std::to_string(c.major));
        ScratchFolder scratch(("zk-comspec-" + std::to_string(index++)).c_str());
        const std::string interpreter = scratch / c.name, batch = scratch / BatchFileName;
        ASSERT_TRUE(CopyFileA(recorder.c_str(), interpreter.c_str(), FALSE));
        test_files::Write(batch, "rem\r\n");
        const std::string name = c.name;
        const std::string log = scratch / (name.substr(0, name.rfind('.')) + ".log");

        EnvironmentChange environment;
        environment.Set("COMSPEC", interpreter.c_str());
        OverrideWindowsVersion(c.platform, c.major, 0);
        System.createProcess = RecordStart;
        EXPECT_TRUE(StartBatch(batch.c_str(), WinNtVersion()));
        RestoreSystemCalls();
        ClearWindowsVersionOverride();
        environment.Restore();

        EXPECT_EQ(startFlags, c.flags);
        std::string recorded;
        for (int i = 0; i < 200 && recorded.find('\n') == std::string::npos; ++i) {
            Sleep(50);
            recorded = test_files::Read(log);
        }
        EXPECT_EQ(recorded, interpreter + " " + c.switches + " \"" + batch + "\"\r\n");
    }
}

} // namespace
