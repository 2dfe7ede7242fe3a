#pragma once
#include "uninstall/startup/command_line.h"

// Sets SilentMode and runs the mode: setup with its completion dialog, the
// uninstall procedure, the pause, the notice, or nothing. The exit code: 0,
// or the result of a silent uninstall that stopped, or of a silent run that
// refused a folder whose name the ANSI code page cannot spell.
int RunMode(const CommandLine& commandLine);
