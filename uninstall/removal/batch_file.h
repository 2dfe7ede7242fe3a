#pragma once
// Writing and starting the self-removal batch file.

// An ANSI path as the command interpreter must read it from a batch file:
// in the OEM code page, with every '%' doubled. A path the OEM code page
// cannot hold exactly is given in its short (8.3) form when that one can.
// false when it does not fit or neither form converts exactly.
bool PathForBatch(const char* ansiPath, char* out, int size);

// Writes the batch file at batchPath (created or truncated). folder is the
// program folder as the current directory gives it; warning: whether a
// program file that outlives the attempts is reported by its "/warning" run.
// false, with no batch file left, when a path is refused (PathForBatch) or
// the file cannot be written.
bool WriteBatchFile(const char* batchPath, const char* program, const char* folder, bool ntFamily,
                    bool warning);

// The command interpreter: "COMSPEC", else cmd.exe in the system folder on
// the Windows NT family and command.com in the Windows folder on the
// Windows 95 family. false when no path fits.
bool CommandInterpreter(char* out, int size, bool ntFamily);

// The switches before the batch file: "/d /v:off /c" for cmd.exe of Windows
// 2000 and later (no AutoRun commands, no delayed expansion that would eat
// every '!' of a path), "/c" alone for any other interpreter and version.
// ntVersion: the NT major version, 0 on the Windows 95 family.
const char* InterpreterSwitches(const char* interpreter, int ntVersion);

// Runs the batch file through the command interpreter without a window,
// inheriting the current directory. false when it could not be started.
bool StartBatch(const char* batchPath, int ntVersion);
