#include "calendar/rules/gregorian.h"

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int CountMonthDays(int month, int year) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsValidDate(const CivilDate& date) {
    return date.day >= 1 && date.day <= CountMonthDays(date.month, date.year);
}

int WeekdayNumber(const CivilDate& date) {
    // Sakamoto's method: January and February count as months of the year before.
    static const int kMonthOffset[12] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    int year = date.month < 3 ? date.year - 1 : date.year;
    int sunday0 =
        (year + year / 4 - year / 100 + year / 400 + kMonthOffset[date.month - 1] + date.day) % 7;
    return sunday0 + 1;
}
