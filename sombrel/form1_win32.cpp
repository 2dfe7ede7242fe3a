#include "sombrel/form1.h"

#include "forms/message_box.h"
#include "sombrel/api_stuff.h"
#include "sombrel/background.h"
#include "sombrel/clock_reading.h"
#include "sombrel/program_start.h"
#include "sombrel/res/resource_ids.h"
#include "sombrel/target_fields.h"
#include "sombrel/rules/clock_text.h"
#include "sombrel/rules/sombrel_commands.h"
#include "sombrel/rules/window_state_rule.h"

ClockForm Form1;
Control Text1, Text2;

namespace {
Control Picture1; // the background, as large as the window
Control Label1;   // clock text "hh:mm:ss"
Timer Timer1;
FormMenus Form1Menus; // the menu bar and mnuTray, the hidden popup
char title[64];

ClockReading shown; // the clocks when Label1 was last set

void ShowClock() {
    shown = ReadClock();
    const int second = SecondOfDay(shown);
    char text[kClockTextSize];
    FormatClockText(second / 3600, second / 60 % 60, second % 60, text);
    ControlSetText(&Label1, text);
}

void Form_Load(Form* form) {
    const int state = FormGetWindowState(form);
    Form1.LastState = static_cast<short>(state == kStateMinimised ? kStateNormal : state);
    TrayAdd(&Form1, Form1Menus.hiddenPopup);
    TraySetTip("Ostrel tray icon program");
    char greeting[256];
    LoadSombrelText(IDS_GREETING, greeting, sizeof greeting);
    ShowMessage(nullptr, greeting, title);
    FormSetOuterSize(form, Picture1.width, Picture1.height);
    ShowClock();
}

void Form_Unload(Form*) {
    TrayRemove();
}

void Form_Resize(Form* form) {
    const int state = FormGetWindowState(form);
    const TrayItemsEnabled items = TrayItemsFor(state);
    HMENU tray = Form1Menus.hiddenPopup;
    MenuSetEnabled(tray, ID_mnuTrayMaximize, items.maximize);
    MenuSetEnabled(tray, ID_mnuTrayMinimize, items.minimize);
    MenuSetEnabled(tray, ID_mnuTrayMove, items.move);
    MenuSetEnabled(tray, ID_mnuTrayRestore, items.restore);
    MenuSetEnabled(tray, ID_mnuTraySize, items.size);
    Form1.LastState = NextLastState(state, Form1.LastState);
}

void Timer1_Timer(Form*) {
    ShowClock();
}

// Starts what the clock reached since the last check, seconds that a late tick
// or the daylight-saving shift skipped included, in time order, each target
// once per occurrence; only then reports starts that failed, so that a missing
// alarm program cannot hold up a shutdown. The check is marked done first: a
// tick during a report's message box goes on from this second.
void Label1_Change(Control*) {
    char alarm[64], shutdown[64];
    ControlGetText(&Text1, alarm, sizeof alarm);
    ControlGetText(&Text2, shutdown, sizeof shutdown);
    const TargetStarts starts = WatchTargets(&Targets, shown, alarm, shutdown);
    const ProgramCommand* failed[2];
    int failures = 0;
    for (int i = 0; i < starts.count; ++i) {
        const ProgramCommand& command =
            starts.order[i] == Target::Alarm ? kAlarmCommand : kShutdownCommand;
        if (!StartProgram(command)) failed[failures++] = &command;
    }
    for (int i = 0; i < failures; ++i)
        ReportStartFailure(*failed[i]);
}

// The picture is the background, yet first in tab order and so above the
// other controls: its region leaves their places out, so they show.
void LeaveControlsOutOfPicture() {
    RECT picture;
    GetClientRect(Picture1.hwnd, &picture);
    HRGN region = CreateRectRgnIndirect(&picture);
    const Control* const others[] = {&Text1, &Text2, &Label1};
    for (const Control* control : others) {
        RECT place;
        GetWindowRect(control->hwnd, &place);
        MapWindowPoints(nullptr, Picture1.hwnd, reinterpret_cast<POINT*>(&place), 2);
        HRGN hole = CreateRectRgnIndirect(&place);
        CombineRgn(region, region, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    SetWindowRgn(Picture1.hwnd, region, FALSE); // the window owns the region from here
}

void AddControls() {
    Picture1.kind = kPicture;
    Picture1.left = 0, Picture1.top = 0, Picture1.width = 7575, Picture1.height = 6135;
    Picture1.bitmap = DrawBackground();
    Text1.kind = kTextField;
    Text1.left = 360, Text1.top = 240, Text1.width = 1215, Text1.height = 375;
    Text2.kind = kTextField;
    Text2.left = 4080, Text2.top = 240, Text2.width = 1455, Text2.height = 375;
    Label1.kind = kLabel;
    Label1.left = 2040, Label1.top = 240, Label1.width = 1455, Label1.height = 375;
    Label1.alignment = kAlignCentre;
    Label1.change = Label1_Change;
    Text1.validate = Text2.validate = TargetField_Validate;
    Control* const inTabOrder[] = {&Picture1, &Text1, &Text2, &Label1};
    for (Control* control : inTabOrder)
        FormAddControl(&Form1, control);
    LeaveControlsOutOfPicture();
    Timer1.interval = 1000;
    Timer1.tick = Timer1_Timer;
    FormAddTimer(&Form1, &Timer1);
}
} // namespace

void LoadSombrelText(int id, char* text, int size) {
    if (LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(id), text, size) <= 0)
        text[0] = '\0';
}

bool CreateForm1(HINSTANCE instance) {
    LoadSombrelText(IDS_TITLE, title, sizeof title);
    // The menus first: the resize handler already runs while the window is made.
    if (!LoadMenuBarWithHiddenPopup(instance, IDM_FORM1, &Form1Menus)) return false;
    Form1.caption = title;
    Form1.clientWidth = 7575;
    Form1.clientHeight = 6135;
    Form1.style = WS_OVERLAPPEDWINDOW;
    Form1.iconId = IDI_SOMBREL;
    Form1.events.load = Form_Load;
    Form1.events.unload = Form_Unload;
    Form1.events.resize = Form_Resize;
    Form1.events.command = Form1_Command;
    if (!FormCreate(&Form1, instance)) return false;
    FormSetMenu(&Form1, Form1Menus.bar);
    AddControls();
    return true;
}
