#include "sombrel/rules/command_line.h"

#include <cstring>

bool BuildCommandLine(const ProgramCommand& command, char* line, size_t lineSize) {
    if (lineSize == 0) return false;
    line[0] = '\0';
    if (std::strchr(command.program, '"') != nullptr) return false;
    const size_t programLength = std::strlen(command.program);
    const size_t argumentsLength = std::strlen(command.arguments);
    const size_t separator = argumentsLength > 0 ? 1 : 0;
    if (programLength + 2 + separator + argumentsLength >= lineSize) return false;
    char* at = line;
    *at++ = '"';
    std::memcpy(at, command.program, programLength);
    at += programLength;
    *at++ = '"';
    if (separator) *at++ = ' ';
    std::memcpy(at, command.arguments, argumentsLength + 1);
    return true;
}
