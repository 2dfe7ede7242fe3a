#pragma once
// Runs sombrel as a user would, in a staged prefix: drive F: holds the alarm
// program and calendar stand-ins, C:\Program Files\Zelkova the console tool.
#include "tests/driver/ui_driver.h"

#include <string>
#include <vector>

constexpr const char* kAlarmProgram = "F:\\aa\\ts\\Tavlin.exe";
constexpr const char* kAlarmLog = "F:\\aa\\ts\\Tavlin.log";
constexpr const char* kCalendarLog = "F:\\aa\\calendar\\calendar.log";
constexpr const char* kConsoleToolLog = "C:\\Program Files\\Zelkova\\Zkv.log";

// Copies the stand-ins into place (arguments 2 and 3: Tavlin.exe and Zkv.exe)
// and keeps the console tool from switching the computer off.
void StageStandIns();

// The lines of a stand-in's start log; none when it was never started.
std::vector<std::string> LogLines(const char* path);
void ClearLogs();

// The local time in 100-nanosecond steps, as a FILETIME counts them.
constexpr ULONGLONG kSecond = 10000000;
ULONGLONG LocalNow();
// The clock text "hh:mm:ss" of a local time, and its second of the day.
std::string ClockTextOf(ULONGLONG localTime);
int SecondOfDay(const std::string& clockText);

// The clock text `seconds` from now.
std::string ClockTextIn(int seconds);

struct Sombrel {
    ui::Process process{};
    HWND window = nullptr;
    std::string greeting; // the text of the first message box
    bool visibleDuringGreeting = true;
};

// Starts sombrel (argument 1), answers its greeting and waits for its window.
Sombrel StartSombrel();

// The window's controls by tab position (0 Picture1, 1 Text1, 2 Text2, 3 Label1).
HWND ControlAt(HWND window, int tabIndex);

// Chooses a target command and answers the input box with `text`, or cancels
// it when text is null. Returns the prompt the box showed.
std::string AnswerInputBox(const Sombrel& sombrel, int commandId, const char* text);
