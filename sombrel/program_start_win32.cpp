#include "sombrel/program_start.h"

#include "forms/command_line.h"
#include "forms/message_box.h"
#include "sombrel/form1.h"
#include "sombrel/res/resource_ids.h"

#include <cstdio>

bool StartProgram(const ProgramCommand& command) {
    char line[kCommandLineSize];
    return BuildCommandLine(command, line, sizeof line) && StartCommandLine(line);
}

void ReportStartFailure(const ProgramCommand& command) {
    char line[kCommandLineSize];
    if (!BuildCommandLine(command, line, sizeof line))
        std::snprintf(line, sizeof line, "%s", command.program);
    char format[256], message[sizeof format + kCommandLineSize];
    LoadSombrelText(IDS_START_FAILED, format, sizeof format);
    std::snprintf(message, sizeof message, format, line);
    ShowMessage(&Form1, message, Form1.caption);
}
