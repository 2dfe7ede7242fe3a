#pragma once
// The local date and time, and dates in the user's regional formats.
#include "forms/date_time.h"

DateTime CurrentDateTime();

// The date in the user's regional long-date format, in the system code page
// whatever the formats' language. False (buffer empty) when the date cannot
// be formatted; a text that does not fit is cut.
bool FormatLongDate(const CivilDate& date, char* buffer, int size);
