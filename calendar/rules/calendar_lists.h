#pragma once
// The items of the month list and the year list.

constexpr int kMonthCount = 12;
constexpr int kFirstListYear = 1960;
constexpr int kLastListYear = 2060;
constexpr int kYearCount = kLastListYear - kFirstListYear + 1;

extern const char* const kMonthNames[kMonthCount]; // "January" to "December"

// The year item at a position: one space and four digits (" 2004").
void YearListText(int position, char* buffer, int size);
// The position of the year, or of the nearest year in the list.
int NearestYearPosition(int year);
