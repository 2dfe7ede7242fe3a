#pragma once
// Starting the programs the clock names, and telling the user when one cannot
// be started. A failed start never ends the clock.
#include "sombrel/rules/command_line.h"

// Starts the program with its path quoted; false when it cannot be started.
bool StartProgram(const ProgramCommand& command);

// A message box naming the command line that could not be started.
void ReportStartFailure(const ProgramCommand& command);
