#include <windows.h>

#include "uninstall/common/format.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/system_calls.h"
#include "uninstall/removal/batch_file.h"

namespace {
constexpr int InterpreterPathSize = 1024;
// Interpreter path, its switches, the quoted batch path.
constexpr int CommandLineSize = 2 * 1024 + 32;
} // namespace

const char* InterpreterSwitches(const char* interpreter, int ntVersion) {
    // cmd.exe of Windows 2000 and later reads AutoRun commands and the
    // DelayedExpansion setting from the registry unless told not to; its
    // older versions and command.com document neither switch.
    return ntVersion >= 5 && lstrcmpiA(NamePart(interpreter), "cmd.exe") == 0 ? "/d /v:off /c"
                                                                              : "/c";
}

bool CommandInterpreter(char* out, int size, bool ntFamily) {
    DWORD length = GetEnvironmentVariableA("COMSPEC", out, static_cast<DWORD>(size));
    if (length > 0 && length < static_cast<DWORD>(size)) return true;
    char folder[MAX_PATH];
    UINT folderLength = ntFamily ? GetSystemDirectoryA(folder, sizeof folder)
                                 : GetWindowsDirectoryA(folder, sizeof folder);
    out[0] = '\0';
    if (folderLength == 0 || folderLength >= sizeof folder) return false;
    return FormatWhole(out, static_cast<std::size_t>(size), "%s\\%s", folder,
                       ntFamily ? "cmd.exe" : "command.com");
}

bool StartBatch(const char* batchPath, int ntVersion) {
    const bool ntFamily = ntVersion != 0;
    char interpreter[InterpreterPathSize];
    if (!CommandInterpreter(interpreter, sizeof interpreter, ntFamily)) return false;
    char commandLine[CommandLineSize];
    if (!FormatWhole(commandLine, sizeof commandLine, "%s %s \"%s\"", interpreter,
                     InterpreterSwitches(interpreter, ntVersion), batchPath))
        return false;

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    HANDLE nul = INVALID_HANDLE_VALUE;
    if (ntFamily) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    } else {
        // The 95 family's command.com needs standard handles to run detached.
        nul =
            CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nul;
        startup.hStdOutput = nul;
        startup.hStdError = nul;
    }
    PROCESS_INFORMATION process = {};
    // On the NT family the interpreter gets no console at all: a hidden one
    // may still be shown, minimised, by a terminal other than the console host.
    bool started = System.createProcess(nullptr, commandLine, nullptr, nullptr, TRUE,
                                        ntFamily ? CREATE_NO_WINDOW : DETACHED_PROCESS, nullptr,
                                        nullptr, &startup, &process) != 0;
    if (started) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    return started;
}
