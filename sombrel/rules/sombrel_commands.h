#pragma once

#include "sombrel/rules/command_line.h"

// The three programs the clock starts, at fixed places.
constexpr ProgramCommand kAlarmCommand = {"f:\\aa\\ts\\Tavlin.exe", ""};
constexpr ProgramCommand kShutdownCommand = {"C:\\Program Files\\Zelkova\\Zkv.exe", "-ioff"};
constexpr ProgramCommand kCalendarCommand = {"f:\\aa\\calendar\\calendar.exe", ""};
