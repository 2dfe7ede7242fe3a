#pragma once
// What frmcalendar shows and how list changes and day clicks change it, kept
// as values so that every sequence can be checked without a window. The
// window turns a user's choice into ChooseMonth/ChooseYear/lblnumber_Click and
// then draws the state.
#include "forms/date_time.h"

struct CalendarSelection {
    int monthPosition = -1; // chosen item of cbomonth, -1 while none
    int yearPosition = -1;  // chosen item of cboyear, -1 while none
    short SelectedDay = 0;  // the day the next month or year change re-selects
    bool YearListReady = false;
    int shownDays = 31;    // day labels shown: 1 up to this
    int borderIndex = -1;  // the lblnumber element with the border, -1 for none
    CivilDate shownDate{}; // the date behind lblday and lbldate; year 0 while empty
};

int ChosenMonth(const CalendarSelection& selection); // 1 to 12, 0 while none is chosen
int ChosenYear(const CalendarSelection& selection);  // the year, 0 while none is chosen
// The selected date for OK; false while a list has no choice.
bool SelectedDate(const CalendarSelection& selection, CivilDate* date);

// Start-up: selects today's day, year and month. A year outside the list
// opens on the nearest year of the list.
void StartOnToday(CalendarSelection& selection, const CivilDate& today);
void SelectToday(CalendarSelection& selection, const CivilDate& today);

// A new choice in a list; nothing happens when the choice is the same.
void ChooseMonth(CalendarSelection& selection, int position);
void ChooseYear(CalendarSelection& selection, int position);

// Handlers, as a list change or a click on a day runs them.
void cbomonth_Click(CalendarSelection& selection);
void cboyear_Click(CalendarSelection& selection);
void ShowMonth(CalendarSelection& selection);
// Selects the day at index (0 to 30). A day past the end of the chosen month
// selects the month's last day instead, so the window never shows a date that
// does not exist or differs from the one OK reports.
void lblnumber_Click(CalendarSelection& selection, int index);
