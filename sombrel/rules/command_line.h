#pragma once

#include <cstddef>

// A program the clock starts: its path and its arguments, kept apart so that
// a path with spaces cannot be read as a shorter program name.
struct ProgramCommand {
    const char* program;
    const char* arguments; // empty for none
};

constexpr size_t kCommandLineSize = 512;

// Writes "\"program\" arguments" (or "\"program\"") into `line`. Returns false,
// leaving an empty line, when it does not fit or the path holds a quote.
bool BuildCommandLine(const ProgramCommand& command, char* line, size_t lineSize);
