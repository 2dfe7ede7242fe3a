#pragma once
// Calendar dates and clock times as plain values, so logic that needs "today"
// or "now" can be handed any date in tests.

struct CivilDate {
    int year;  // four digits
    int month; // 1 to 12
    int day;   // 1 to 31
};

struct DateTime {
    CivilDate date;
    int hour;   // 0 to 23
    int minute; // 0 to 59
    int second; // 0 to 59
};
