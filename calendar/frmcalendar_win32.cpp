#include "calendar/frmcalendar.h"
#include "calendar/rules/calendar_lists.h"
#include "calendar/res/resource_ids.h"
#include "calendar/rules/calendar_selection.h"
#include "calendar/rules/gregorian.h"
#include "calendar/rules/weekday_names.h"
#include "forms/clock.h"
#include "forms/control.h"
#include "forms/form.h"
#include "forms/message_box.h"

namespace {

const char kProgramTitle[] = "calendar";
const COLORREF kOrange = RGB(255, 128, 0);
const COLORREF kDarkRed = RGB(128, 0, 0);
const COLORREF kWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr int kDayLabels = 31;

Form frmcalendar;
Control Label1[2];
Control cbomonth, cboyear, cmdok, cmdcancel, lblday, lbldate, Shape1;
Control lblnumber[kDayLabels];
CalendarSelection selection;

void Place(Control& control, ControlKind kind, int left, int top, int width, int height,
           const char* text = "") {
    control.kind = kind;
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
    control.text = text;
    control.backColor = kOrange;
    control.foreColor = kWindowText;
}

// Draws what the selection says: the days of the month, the border, the
// weekday and the long date.
void ShowDayCells(int days) {
    for (int i = 28; i < kDayLabels; ++i)
        ControlSetVisible(&lblnumber[i], i < days);
}

void ShowSelection() {
    ShowDayCells(selection.shownDays);
    for (int i = 0; i < kDayLabels; ++i)
        LabelSetBorder(&lblnumber[i], i == selection.borderIndex);
    const CivilDate& date = selection.shownDate;
    if (date.year == 0) return;
    ControlSetText(&lblday, WeekdayName(WeekdayNumber(date)));
    char text[128];
    if (FormatLongDate(date, text, sizeof text)) ControlSetText(&lbldate, text);
}

void FillMonthList() {
    for (const char* name : kMonthNames)
        ListAddItem(&cbomonth, name);
}

void FillYearList() {
    char text[8];
    for (int position = 0; position < kYearCount; ++position) {
        YearListText(position, text, sizeof text);
        ListAddItem(&cboyear, text);
    }
}

void OnMonthListChange(Control* list) {
    int position = ListGetIndex(list);
    if (position == selection.monthPosition) return;
    ChooseMonth(selection, position);
    ShowSelection();
}

void OnYearListChange(Control* list) {
    int position = ListGetIndex(list);
    if (position == selection.yearPosition) return;
    ChooseYear(selection, position);
    ShowSelection();
}

void OnDayClick(Control* label) {
    lblnumber_Click(selection, label->index);
    ShowSelection();
}

void cmdok_Click(Control*) {
    CivilDate date;
    char text[128];
    if (SelectedDate(selection, &date) && FormatLongDate(date, text, sizeof text))
        ShowMessage(&frmcalendar, text, kProgramTitle);
}

void cmdcancel_Click(Control*) {
    FormUnload(&frmcalendar);
}

void Form_Load(Form*) {
    FillMonthList();
    FillYearList();
    StartOnToday(selection, CurrentDateTime().date);
    ListSetIndex(&cboyear, selection.yearPosition);
    ListSetIndex(&cbomonth, selection.monthPosition);
    ShowSelection();
}

void DefineControls() {
    Place(Label1[0], kLabel, 120, 120, 615, 255, "&Month");
    Place(cbomonth, kDropDown, 120, 360, 2415, 300);
    cbomonth.change = OnMonthListChange;
    Place(Label1[1], kLabel, 2880, 120, 495, 255, "&Year");
    Label1[1].index = 1;
    Place(cboyear, kDropDown, 2880, 360, 1215, 300);
    cboyear.change = OnYearListChange;
    Place(cmdok, kButton, 3000, 1965, 1215, 345, "&OK");
    cmdok.isDefault = true;
    cmdok.click = cmdok_Click;
    Place(cmdcancel, kButton, 3000, 2400, 1215, 345, "&Cancel");
    cmdcancel.isCancel = true;
    cmdcancel.click = cmdcancel_Click;
    Place(lblday, kLabel, 2880, 1000, 1215, 255);
    lblday.alignment = kAlignCentre;
    lblday.foreColor = kDarkRed;
    Place(lbldate, kLabel, 2880, 1200, 1215, 615);
    lbldate.alignment = kAlignCentre;
    lbldate.foreColor = kDarkRed;
    Place(Shape1, kShape, 120, 840, 2655, 1935);
    static char numbers[kDayLabels][3];
    for (int i = 0; i < kDayLabels; ++i) {
        wsprintfA(numbers[i], "%d", i + 1); // at most two digits
        Place(lblnumber[i], kLabel, 240 + 360 * (i % 7), 960 + 360 * (i / 7), 300, 285, numbers[i]);
        lblnumber[i].index = i;
        lblnumber[i].alignment = kAlignCentre;
        lblnumber[i].click = OnDayClick;
    }
}

} // namespace

int RunCalendar(HINSTANCE instance) {
    frmcalendar.caption = "Calendar";
    frmcalendar.clientWidth = 4290;
    frmcalendar.clientHeight = 2865;
    frmcalendar.backColor = kOrange;
    frmcalendar.iconId = IDI_CALENDAR;
    frmcalendar.fontBold = true;
    frmcalendar.events.load = Form_Load;
    if (!FormCreate(&frmcalendar, instance)) return 1;
    DefineControls();
    // Tab order and stacking: the controls in the order they are added, the
    // first on top. lbldate's top edge lies under lblday's empty bottom edge,
    // so lbldate goes first, or its first line would be cut.
    Control* order[] = {&Label1[0], &cbomonth, &Label1[1], &cboyear, &cmdok,
                        &cmdcancel, &lbldate,  &lblday,    &Shape1};
    for (Control* control : order)
        FormAddControl(&frmcalendar, control);
    for (Control& label : lblnumber)
        FormAddControl(&frmcalendar, &label);
    return FormRun(&frmcalendar);
}
