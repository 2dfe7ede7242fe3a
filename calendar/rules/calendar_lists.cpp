#include "calendar/rules/calendar_lists.h"

const char* const kMonthNames[kMonthCount] = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};

void YearListText(int position, char* buffer, int size) {
    const char* digits = "0123456789";
    int year = kFirstListYear + position;
    char text[6] = {' ',
                    digits[year / 1000 % 10],
                    digits[year / 100 % 10],
                    digits[year / 10 % 10],
                    digits[year % 10],
                    '\0'};
    if (size <= 0) return;
    int i = 0;
    for (; i < size - 1 && text[i]; ++i)
        buffer[i] = text[i];
    buffer[i] = '\0';
}

int NearestYearPosition(int year) {
    if (year < kFirstListYear) return 0;
    if (year > kLastListYear) return kYearCount - 1;
    return year - kFirstListYear;
}
