#include "calendar/calendar_lists.h"

#include <cstdio>

const char* const kMonthNames[kMonthCount] = {"January", "February", "March",     "April",
                                              "May",     "June",     "July",      "August",
                                              "September", "October", "November", "December"};

void YearListText(int position, char* buffer, int size) {
    std::snprintf(buffer, static_cast<std::size_t>(size), " %04d", kFirstListYear + position);
}

int YearFromListText(const char* text) {
    int year = 0;
    bool digits = false;
    for (; *text; ++text) {
        if (*text == ' ') continue;
        if (*text < '0' || *text > '9' || year > 9999) return 0;
        year = year * 10 + (*text - '0');
        digits = true;
    }
    return digits ? year : 0;
}

int NearestYearPosition(int year) {
    if (year < kFirstListYear) return 0;
    if (year > kLastListYear) return kYearCount - 1;
    return year - kFirstListYear;
}
