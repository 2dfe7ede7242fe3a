#include "calendar/rules/calendar_selection.h"
#include "calendar/rules/calendar_lists.h"
#include "calendar/rules/gregorian.h"

#include <gtest/gtest.h>

// Found by argument lookup from inside GoogleTest, so at global scope.
static bool operator==(const CivilDate& a, const CivilDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}
static void PrintTo(const CivilDate& date, std::ostream* out) {
    *out << date.year << "-" << date.month << "-" << date.day;
}

namespace {

int YearPosition(int year) {
    return year - kFirstListYear;
}

CalendarSelection OpenedOn(CivilDate today) {
    CalendarSelection selection;
    StartOnToday(selection, today);
    return selection;
}

// What the window shows agrees with itself and with what OK reports: the
// bordered label, SelectedDay, the weekday/long-date date and the OK date.
void ExpectShowing(const CalendarSelection& selection, CivilDate date) {
    CivilDate ok{};
    ASSERT_TRUE(SelectedDate(selection, &ok));
    EXPECT_EQ(date, ok);
    EXPECT_EQ(date, selection.shownDate);
    EXPECT_EQ(date.day, selection.SelectedDay);
    EXPECT_EQ(date.day - 1, selection.borderIndex);
    EXPECT_EQ(CountMonthDays(date.month, date.year), selection.shownDays);
}

TEST(CalendarStart, OpensOnTodayForEveryDayFrom1960To2060) {
    for (int year = kFirstListYear; year <= kLastListYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= CountMonthDays(month, year); ++day) {
                CalendarSelection selection = OpenedOn({year, month, day});
                ASSERT_TRUE(selection.YearListReady);
                ASSERT_EQ(month, ChosenMonth(selection));
                ASSERT_EQ(year, ChosenYear(selection));
                ASSERT_NO_FATAL_FAILURE(ExpectShowing(selection, {year, month, day}));
            }
}

TEST(CalendarStart, FirstYearChangeOnlyArmsTheYearList) {
    CalendarSelection selection;
    selection.SelectedDay = 15;
    ChooseYear(selection, YearPosition(2004));
    EXPECT_TRUE(selection.YearListReady);
    EXPECT_EQ(-1, selection.borderIndex);
    EXPECT_EQ(0, selection.shownDate.year);
    EXPECT_EQ(31, selection.shownDays);
}

TEST(CalendarStart, YearOutsideTheListOpensOnTheNearestYear) {
    ExpectShowing(OpenedOn({1959, 6, 15}), {1960, 6, 15});
    ExpectShowing(OpenedOn({2061, 3, 31}), {2060, 3, 31});
    ExpectShowing(OpenedOn({2100, 12, 1}), {2060, 12, 1});
    // 2064 is a leap year; so are both ends of the list.
    ExpectShowing(OpenedOn({2064, 2, 29}), {2060, 2, 29});
    ExpectShowing(OpenedOn({1956, 2, 29}), {1960, 2, 29});
}

TEST(CalendarMonths, DaysShownFollowTheMonth) {
    CalendarSelection selection = OpenedOn({2000, 2, 1});
    EXPECT_EQ(29, selection.shownDays);
    ChooseYear(selection, YearPosition(2060));
    EXPECT_EQ(29, selection.shownDays);
    ChooseYear(selection, YearPosition(2001));
    EXPECT_EQ(28, selection.shownDays); // 29, 30 and 31 hidden
    ChooseYear(selection, YearPosition(2004));
    EXPECT_EQ(29, selection.shownDays);
    ChooseMonth(selection, 0);
    EXPECT_EQ(31, selection.shownDays);
    ChooseMonth(selection, 3);
    EXPECT_EQ(30, selection.shownDays); // 31 hidden, 29 and 30 shown
}

TEST(CalendarMonths, SameDayStaysSelectedAcrossMonthAndYearChanges) {
    CalendarSelection selection = OpenedOn({2004, 3, 15});
    ExpectShowing(selection, {2004, 3, 15});
    ChooseMonth(selection, 6);
    ExpectShowing(selection, {2004, 7, 15});
    ChooseYear(selection, YearPosition(1999));
    ExpectShowing(selection, {1999, 7, 15});
}

TEST(CalendarMonths, ChoosingTheSameItemAgainChangesNothing) {
    CalendarSelection selection = OpenedOn({2004, 3, 15});
    lblnumber_Click(selection, 19);
    ChooseMonth(selection, 2);
    ChooseYear(selection, YearPosition(2004));
    ExpectShowing(selection, {2004, 3, 20});
}

TEST(CalendarDays, ClickShowsTheDay) {
    CalendarSelection selection = OpenedOn({2004, 3, 1});
    lblnumber_Click(selection, 14);
    ExpectShowing(selection, {2004, 3, 15});
    EXPECT_EQ(2, WeekdayNumber(selection.shownDate)); // Monday
    lblnumber_Click(selection, 14);                   // the day that has the border already
    ExpectShowing(selection, {2004, 3, 15});
}

TEST(CalendarDays, DayPastTheEndOfAShorterMonthBecomesItsLastDay) {
    CalendarSelection selection = OpenedOn({2004, 1, 31});
    ChooseMonth(selection, 3); // April
    ExpectShowing(selection, {2004, 4, 30});

    selection = OpenedOn({2004, 1, 31});
    ChooseMonth(selection, 1); // February of a leap year: one decrement is not enough
    ExpectShowing(selection, {2004, 2, 29});
    ChooseYear(selection, YearPosition(2003));
    ExpectShowing(selection, {2003, 2, 28});
    EXPECT_EQ(6, WeekdayNumber(selection.shownDate)); // Friday
}

TEST(CalendarDays, LeapDayThenACommonYear) {
    CalendarSelection selection = OpenedOn({2004, 2, 29});
    EXPECT_EQ(1, WeekdayNumber(selection.shownDate)); // Sunday
    ChooseYear(selection, YearPosition(2003));
    ExpectShowing(selection, {2003, 2, 28});
    lblnumber_Click(selection, 27);
    ExpectShowing(selection, {2003, 2, 28});
}

TEST(CalendarDays, ClampedDayIsKeptForTheNextMonth) {
    CalendarSelection selection = OpenedOn({2001, 1, 31});
    ChooseMonth(selection, 1);
    ExpectShowing(selection, {2001, 2, 28});
    ChooseMonth(selection, 2); // March re-selects the 28th the window shows
    ExpectShowing(selection, {2001, 3, 28});
}

TEST(CalendarDays, EveryDayOfEveryMonthThenEveryOtherMonth) {
    for (int from = 0; from < 12; ++from)
        for (int to = 0; to < 12; ++to)
            for (int index = 0; index < CountMonthDays(from + 1, 2001); ++index) {
                CalendarSelection selection = OpenedOn({2001, from + 1, 1});
                lblnumber_Click(selection, index);
                ChooseMonth(selection, to);
                int last = CountMonthDays(to + 1, 2001);
                ASSERT_NO_FATAL_FAILURE(
                    ExpectShowing(selection, {2001, to + 1, index + 1 < last ? index + 1 : last}));
            }
}

TEST(CalendarDays, ClickBeforeAnyListIsChosenOnlyMovesTheBorder) {
    CalendarSelection selection;
    lblnumber_Click(selection, 4);
    EXPECT_EQ(4, selection.borderIndex);
    EXPECT_EQ(5, selection.SelectedDay);
    EXPECT_EQ(0, selection.shownDate.year);
    CivilDate ok;
    EXPECT_FALSE(SelectedDate(selection, &ok));
    lblnumber_Click(selection, 31); // no such label
    EXPECT_EQ(4, selection.borderIndex);
}

} // namespace
