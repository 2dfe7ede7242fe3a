#include "calendar/rules/calendar_selection.h"
#include "calendar/rules/calendar_lists.h"
#include "calendar/rules/gregorian.h"

int ChosenMonth(const CalendarSelection& selection) {
    return selection.monthPosition >= 0 ? selection.monthPosition + 1 : 0;
}

int ChosenYear(const CalendarSelection& selection) {
    return selection.yearPosition >= 0 ? kFirstListYear + selection.yearPosition : 0;
}

bool SelectedDate(const CalendarSelection& selection, CivilDate* date) {
    *date = CivilDate{ChosenYear(selection), ChosenMonth(selection), selection.SelectedDay};
    return date->year != 0 && date->month != 0;
}

void StartOnToday(CalendarSelection& selection, const CivilDate& today) {
    selection.SelectedDay = static_cast<short>(today.day);
    SelectToday(selection, today);
}

void SelectToday(CalendarSelection& selection, const CivilDate& today) {
    // The year list's first change only arms it; the month change then draws
    // the month and selects SelectedDay in it.
    ChooseYear(selection, NearestYearPosition(today.year));
    ChooseMonth(selection, today.month - 1);
}

void ChooseMonth(CalendarSelection& selection, int position) {
    if (position == selection.monthPosition) return;
    selection.monthPosition = position;
    cbomonth_Click(selection);
}

void ChooseYear(CalendarSelection& selection, int position) {
    if (position == selection.yearPosition) return;
    selection.yearPosition = position;
    cboyear_Click(selection);
}

void cbomonth_Click(CalendarSelection& selection) {
    ShowMonth(selection);
    lblnumber_Click(selection, selection.SelectedDay - 1);
}

void cboyear_Click(CalendarSelection& selection) {
    if (!selection.YearListReady) {
        selection.YearListReady = true;
        return;
    }
    cbomonth_Click(selection);
}

void ShowMonth(CalendarSelection& selection) {
    int days = CountMonthDays(ChosenMonth(selection), ChosenYear(selection));
    if (days) selection.shownDays = days;
}

void lblnumber_Click(CalendarSelection& selection, int index) {
    if (index < 0 || index > 30) return;
    selection.borderIndex = index;
    selection.SelectedDay = static_cast<short>(index + 1);
    CivilDate date;
    if (!SelectedDate(selection, &date)) return; // no month or year chosen yet: nothing to show
    if (!IsValidDate(date)) {                    // past the end of a shorter month
        date.day = CountMonthDays(date.month, date.year);
        selection.SelectedDay = static_cast<short>(date.day);
        selection.borderIndex = date.day - 1;
    }
    selection.shownDate = date;
}
