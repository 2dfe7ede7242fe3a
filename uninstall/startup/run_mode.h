#pragma once
#include "uninstall/startup/command_line.h"

// Sets SilentMode and runs the mode: setup with its completion dialog, the
// uninstall procedure, the pause, the notice, or nothing.
void RunMode(const CommandLine& commandLine);
