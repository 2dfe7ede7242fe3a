#pragma once

// Appends this process's command line as one line to "<program>.log" next to
// the program file (Tavlin.exe writes Tavlin.log). Returns false when the log
// cannot be written.
bool RecordStart();
