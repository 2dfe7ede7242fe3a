#pragma once
// English weekday names, whatever the user's regional settings.

// "Sunday" for 1 up to "Friday" for 6; "Saturday" for any other number.
const char* WeekdayName(int weekdayNumber);
