#pragma once
// The calendar window.
#include <windows.h>

// Creates frmcalendar, shows it on today's date and runs it until it is
// closed. Returns the program's exit code.
int RunCalendar(HINSTANCE instance);
