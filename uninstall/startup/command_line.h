#pragma once
// The command line of the setup and uninstall program.

enum class Mode {
    Uninstall, // no switch at all, or "/uninstall" (silent with a final "/s")
    Setup,     // "/setup", silent with a final "/s"
    Wait,      // "/wait": a pause while an exiting instance ends
    Warning,   // "/warning": the manual-removal notice
    Clean,     // "/clean": nothing
    None,      // a switch that matches no keyword
};

struct CommandLine {
    Mode mode;
    bool silent;
};

// The process command line without the program's name (quoted or not) and
// the blanks and tabs after it; trailing blanks stay part of the tail.
const char* CommandLineTail(const char* commandLine);

// The mode of a tail. Byte searches for '/': the last switch decides, unless
// it is exactly "/s", which asks for silence and lets the switch start at
// the first '/'. Keywords match as case-insensitive prefixes of the switch.
CommandLine ParseCommandLine(const char* tail);
