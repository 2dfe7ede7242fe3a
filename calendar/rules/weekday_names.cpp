#include "calendar/rules/weekday_names.h"

const char* WeekdayName(int weekdayNumber) {
    static const char* const kNames[6] = {"Sunday",    "Monday",   "Tuesday",
                                          "Wednesday", "Thursday", "Friday"};
    return weekdayNumber >= 1 && weekdayNumber <= 6 ? kNames[weekdayNumber - 1] : "Saturday";
}
