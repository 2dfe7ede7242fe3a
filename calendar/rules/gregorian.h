#pragma once
// Gregorian calendar arithmetic, independent of any regional setting.
#include "forms/date_time.h"

bool IsLeapYear(int year);
// Days in the month (28 to 31); 0 for a month outside 1 to 12.
int CountMonthDays(int month, int year);
// Whether the day exists in that month of that year.
bool IsValidDate(const CivilDate& date);
// Weekday number counted from Sunday = 1 to Saturday = 7, for a valid date.
int WeekdayNumber(const CivilDate& date);
