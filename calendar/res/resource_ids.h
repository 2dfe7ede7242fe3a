#pragma once
// Resource ids of calendar.exe.
#define IDI_CALENDAR 1
