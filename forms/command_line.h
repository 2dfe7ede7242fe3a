#pragma once
// Starting another program from a whole command line.

// Starts the command line (program path and arguments, unquoted paths with
// spaces are resolved as Windows does) in a normal window that receives the
// focus, without waiting. False when it cannot be started or does not fit the
// 512-byte command-line buffer.
bool StartCommandLine(const char* commandLine);
