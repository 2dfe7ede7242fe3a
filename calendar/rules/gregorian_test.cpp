#include "calendar/rules/gregorian.h"
#include "calendar/rules/calendar_lists.h"
#include "calendar/rules/weekday_names.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

// The C library's own calendar as an independent reference: mktime
// normalises day 0 of the next month to the last day of this one.
std::tm Normalised(int year, int month, int day) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = 12;
    t.tm_isdst = -1;
    std::mktime(&t);
    return t;
}

TEST(Gregorian, MonthLengthsMatchTheCLibraryFrom1960To2060) {
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(Normalised(year, month + 1, 0).tm_mday, CountMonthDays(month, year))
                << month << "/" << year;
}

TEST(Gregorian, LeapYears) {
    EXPECT_EQ(29, CountMonthDays(2, 2000)); // divisible by 400
    EXPECT_EQ(29, CountMonthDays(2, 2060));
    EXPECT_EQ(29, CountMonthDays(2, 1960));
    EXPECT_EQ(28, CountMonthDays(2, 2001));
    EXPECT_EQ(28, CountMonthDays(2, 1900)); // divisible by 100, not by 400
    EXPECT_EQ(28, CountMonthDays(2, 2100));
    EXPECT_EQ(0, CountMonthDays(0, 2004));
    EXPECT_EQ(0, CountMonthDays(13, 2004));
}

TEST(Gregorian, Validity) {
    EXPECT_TRUE(IsValidDate({2004, 2, 29}));
    EXPECT_FALSE(IsValidDate({2003, 2, 29}));
    EXPECT_FALSE(IsValidDate({2004, 4, 31}));
    EXPECT_TRUE(IsValidDate({2004, 12, 31}));
    EXPECT_FALSE(IsValidDate({2004, 1, 0}));
    EXPECT_FALSE(IsValidDate({2004, 1, 32}));
    // Day-first and month-first readings must not matter: 13 March exists,
    // the thirteenth month does not.
    EXPECT_TRUE(IsValidDate({2004, 3, 13}));
    EXPECT_FALSE(IsValidDate({2004, 13, 3}));
}

TEST(Gregorian, WeekdaysOfKnownDates) {
    EXPECT_EQ(2, WeekdayNumber({2004, 3, 15}));  // Monday
    EXPECT_EQ(6, WeekdayNumber({1960, 1, 1}));   // Friday
    EXPECT_EQ(6, WeekdayNumber({2060, 12, 31})); // Friday
    EXPECT_EQ(1, WeekdayNumber({2004, 2, 29}));  // Sunday
    EXPECT_EQ(6, WeekdayNumber({2003, 2, 28}));  // Friday
    EXPECT_EQ(3, WeekdayNumber({2000, 2, 29}));  // Tuesday
    EXPECT_EQ(5, WeekdayNumber({1970, 1, 1}));   // Thursday
}

TEST(Gregorian, WeekdaysMatchTheCLibraryFrom1960To2060) {
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= CountMonthDays(month, year); ++day)
                ASSERT_EQ(Normalised(year, month, day).tm_wday + 1,
                          WeekdayNumber({year, month, day}))
                    << year << "-" << month << "-" << day;
}

TEST(WeekdayNames, FromSundayWithSaturdayForAnyOtherNumber) {
    const char* expected[] = {"Saturday", "Sunday", "Monday",   "Tuesday", "Wednesday",
                              "Thursday", "Friday", "Saturday", "Saturday"};
    for (int number = 0; number <= 8; ++number)
        EXPECT_STREQ(expected[number], WeekdayName(number)) << number;
}

TEST(CalendarLists, YearItemsAreASpaceAndTheFourDigitsOfPositionPlus1960) {
    char text[8];
    for (int position = 0; position < kYearCount; ++position) {
        YearListText(position, text, sizeof text);
        ASSERT_EQ(5u, std::strlen(text));
        ASSERT_EQ(' ', text[0]);
        ASSERT_EQ(kFirstListYear + position, std::atoi(text + 1)) << text;
    }
    YearListText(0, text, sizeof text);
    EXPECT_STREQ(" 1960", text);
    YearListText(44, text, sizeof text);
    EXPECT_STREQ(" 2004", text);
    YearListText(100, text, sizeof text);
    EXPECT_STREQ(" 2060", text);
    char small[3];
    YearListText(44, small, sizeof small);
    EXPECT_STREQ(" 2", small);
}

TEST(CalendarLists, MonthNamesInOrder) {
    EXPECT_STREQ("January", kMonthNames[0]);
    EXPECT_STREQ("February", kMonthNames[1]);
    EXPECT_STREQ("September", kMonthNames[8]);
    EXPECT_STREQ("December", kMonthNames[11]);
}

TEST(CalendarLists, YearsOutsideTheListGoToTheNearestEnd) {
    EXPECT_EQ(0, NearestYearPosition(1601));
    EXPECT_EQ(0, NearestYearPosition(1959));
    EXPECT_EQ(0, NearestYearPosition(1960));
    EXPECT_EQ(44, NearestYearPosition(2004));
    EXPECT_EQ(100, NearestYearPosition(2060));
    EXPECT_EQ(100, NearestYearPosition(2061));
    EXPECT_EQ(100, NearestYearPosition(30827));
}

} // namespace
