#include "sombrel/program_start.h"

#include "forms/command_line.h"
#include "forms/message_box.h"
#include "sombrel/form1.h"
#include "sombrel/res/resource_ids.h"

#include <cstring>

bool StartProgram(const ProgramCommand& command) {
    char line[kCommandLineSize];
    return BuildCommandLine(command, line, sizeof line) && StartCommandLine(line);
}

void ReportStartFailure(const ProgramCommand& command) {
    char line[kCommandLineSize];
    const char* named = BuildCommandLine(command, line, sizeof line) ? line : command.program;
    // The string table's lead-in, then the command line, cut to fit.
    char message[256 + kCommandLineSize];
    LoadSombrelText(IDS_START_FAILED, message, 256);
    const size_t length = std::strlen(message);
    lstrcpynA(message + length, named, static_cast<int>(sizeof message - length));
    ShowMessage(&Form1, message, Form1.caption);
}
