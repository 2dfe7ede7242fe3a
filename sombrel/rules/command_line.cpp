#include "sombrel/rules/command_line.h"

#include <cstdio>
#include <cstring>

bool BuildCommandLine(const ProgramCommand& command, char* line, size_t lineSize) {
    if (lineSize == 0) return false;
    line[0] = '\0';
    if (std::strchr(command.program, '"') != nullptr) return false;
    const bool hasArguments = command.arguments[0] != '\0';
    const int written = std::snprintf(line, lineSize, "\"%s\"%s%s", command.program,
                                      hasArguments ? " " : "", command.arguments);
    if (written < 0 || static_cast<size_t>(written) >= lineSize) {
        line[0] = '\0';
        return false;
    }
    return true;
}
