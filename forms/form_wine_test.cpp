#include "forms/clock.h"
#include "forms/command_line.h"
#include "forms/control.h"
#include "forms/form.h"
#include "forms/timer.h"
#include "tests/support/long_date.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

// What the handlers saw.
struct Seen {
    int loads, unloads, resizes, ticks, clicks, changes, lastCommand;
    bool windowAliveAtUnload;
    Control* lastControl;
} seen;

void OnLoad(Form*) {
    ++seen.loads;
}
void OnUnload(Form* form) {
    ++seen.unloads;
    seen.windowAliveAtUnload = IsWindow(form->hwnd) != 0;
}
void OnResize(Form*) {
    ++seen.resizes;
}
void OnCommand(Form*, int id) {
    seen.lastCommand = id;
}
void OnTick(Form*) {
    ++seen.ticks;
}
void OnClick(Control* control) {
    ++seen.clicks;
    seen.lastControl = control;
}
void OnChange(Control* control) {
    ++seen.changes;
    seen.lastControl = control;
}

// Runs the form's messages, with the dialog keyboard handling of FormRun.
void Pump(Form* form, DWORD milliseconds = 50) {
    DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (form->hwnd && IsDialogMessageA(form->hwnd, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < milliseconds);
}

class Forms : public ::testing::Test {
  protected:
    void SetUp() override {
        seen = Seen{};
        // The quit message that the previous test's destroyed form left.
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        form.caption = "Forms test";
        form.clientWidth = 4290;
        form.clientHeight = 2865;
        form.events = FormEvents{OnLoad, OnUnload, OnResize, OnCommand};
        ASSERT_TRUE(FormCreate(&form, GetModuleHandleA(nullptr)));
    }
    void TearDown() override { FormUnload(&form); }
    void Add(Control& control, ControlKind kind, int left, const char* text = "") {
        control.kind = kind;
        control.left = left;
        control.top = 120;
        control.width = 1200;
        control.height = 300;
        control.text = text;
        ASSERT_TRUE(FormAddControl(&form, &control));
    }
    static std::string Text(const Control& control) {
        char text[64];
        ControlGetText(&control, text, sizeof text);
        return text;
    }

    Form form;
};

TEST_F(Forms, ClientSizeIsGivenInTwips) {
    RECT client;
    GetClientRect(form.hwnd, &client);
    EXPECT_EQ(TwipsToScreenPixels(4290), client.right);
    EXPECT_EQ(TwipsToScreenPixels(2865), client.bottom);
    EXPECT_EQ(286, TwipsToScreenPixels(4290)); // 96 dots per inch under the test runner
    FormSetOuterSize(&form, 7575, 6135);
    RECT outer;
    GetWindowRect(form.hwnd, &outer);
    EXPECT_EQ(505, outer.right - outer.left);
    EXPECT_EQ(409, outer.bottom - outer.top);
}

TEST_F(Forms, WindowStatesBeforeAndAfterTheWindowIsShown) {
    EXPECT_EQ(kStateNormal, FormGetWindowState(&form));
    FormSetWindowState(&form, kStateMaximised); // not shown yet: kept for FormRun
    EXPECT_EQ(kStateMaximised, FormGetWindowState(&form));
    EXPECT_FALSE(IsWindowVisible(form.hwnd));
    FormSetWindowState(&form, kStateNormal);
    ShowWindow(form.hwnd, SW_SHOWNORMAL);
    seen.resizes = 0;
    for (int state :
         {kStateMaximised, kStateMinimised, kStateNormal, kStateMinimised, kStateMaximised}) {
        FormSetWindowState(&form, state);
        Pump(&form);
        EXPECT_EQ(state, FormGetWindowState(&form));
    }
    EXPECT_GE(seen.resizes, 5);
}

TEST_F(Forms, LabelsTextBorderVisibilityAndClicks) {
    Control label;
    label.click = OnClick;
    label.change = OnChange;
    Add(label, kLabel, 120, "12:00:00");
    EXPECT_EQ("12:00:00", Text(label));
    ControlSetText(&label, "12:00:00");
    EXPECT_EQ(0, seen.changes); // the same text is no change
    ControlSetText(&label, "12:00:01");
    EXPECT_EQ(1, seen.changes);

    EXPECT_FALSE(GetWindowLongPtrA(label.hwnd, GWL_STYLE) & WS_BORDER);
    LabelSetBorder(&label, true);
    EXPECT_TRUE(GetWindowLongPtrA(label.hwnd, GWL_STYLE) & WS_BORDER);
    LabelSetBorder(&label, false);
    EXPECT_FALSE(GetWindowLongPtrA(label.hwnd, GWL_STYLE) & WS_BORDER);

    ShowWindow(form.hwnd, SW_SHOWNORMAL);
    ControlSetVisible(&label, false);
    EXPECT_FALSE(IsWindowVisible(label.hwnd));
    ControlSetVisible(&label, true);
    EXPECT_TRUE(IsWindowVisible(label.hwnd));

    // A click on a label reaches its handler, as STN_CLICKED from the control.
    SendMessageA(label.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(label.hwnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    Pump(&form);
    EXPECT_EQ(1, seen.clicks);
    EXPECT_EQ(&label, seen.lastControl);
}

TEST_F(Forms, DropDownListIndexAndChangeHandler) {
    Control list;
    list.change = OnChange;
    Add(list, kDropDown, 120);
    for (const char* item : {"January", "February", "March"})
        ListAddItem(&list, item);
    EXPECT_EQ(3, SendMessageA(list.hwnd, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(-1, ListGetIndex(&list));
    ListSetIndex(&list, 1);
    EXPECT_EQ(1, seen.changes); // as a user's choice
    EXPECT_EQ(1, ListGetIndex(&list));
    EXPECT_EQ("February", Text(list));
    ListSetIndex(&list, 1);
    EXPECT_EQ(1, seen.changes); // the same item again changes nothing
    // A user's choice arrives as CBN_SELCHANGE.
    SendMessageA(list.hwnd, CB_SETCURSEL, 2, 0);
    SendMessageA(form.hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list.hwnd), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.hwnd));
    EXPECT_EQ(2, seen.changes);
    EXPECT_EQ("March", Text(list));
}

TEST_F(Forms, EnterClicksTheDefaultButtonAndEscTheCancelButton) {
    Control list, ok, cancel;
    Add(list, kDropDown, 120);
    ok.isDefault = true;
    ok.click = OnClick;
    Add(ok, kButton, 1500, "&OK");
    cancel.isCancel = true;
    cancel.click = OnClick;
    Add(cancel, kButton, 2900, "&Cancel");
    ShowWindow(form.hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(form.hwnd);
    SetFocus(list.hwnd);
    PostMessageA(list.hwnd, WM_KEYDOWN, VK_RETURN, 1);
    Pump(&form);
    EXPECT_EQ(1, seen.clicks);
    EXPECT_EQ(&ok, seen.lastControl);
    PostMessageA(list.hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
    Pump(&form);
    EXPECT_EQ(2, seen.clicks);
    EXPECT_EQ(&cancel, seen.lastControl);
    // Tab moves on to the next control in the order they were added.
    PostMessageA(list.hwnd, WM_KEYDOWN, VK_TAB, 1);
    Pump(&form);
    EXPECT_EQ(ok.hwnd, GetFocus());
}

TEST_F(Forms, FocusGoesBackToItsControlWhenTheWindowIsActivatedAgain) {
    Control first, second;
    Add(first, kTextField, 120);
    Add(second, kTextField, 1500);
    HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, other);
    ShowWindow(form.hwnd, SW_SHOWNORMAL);
    SetActiveWindow(form.hwnd);
    EXPECT_EQ(first.hwnd, GetFocus()); // the first in tab order, on the first activation
    SetFocus(second.hwnd);
    SetActiveWindow(other);
    EXPECT_NE(second.hwnd, GetFocus());
    SetActiveWindow(form.hwnd);
    EXPECT_EQ(second.hwnd, GetFocus());
    DestroyWindow(other);
}

TEST_F(Forms, MenuCommandsReachTheCommandHandlerThroughAReplacedWindowProcedure) {
    static WNDPROC previous;
    static int seenByReplacement;
    previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(form.hwnd, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM wParam,
                                                         LPARAM lParam) -> LRESULT {
                              if (message == WM_APP) return ++seenByReplacement;
                              return CallWindowProcA(previous, hwnd, message, wParam, lParam);
                          })));
    EXPECT_EQ(1, SendMessageA(form.hwnd, WM_APP, 0, 0));
    SendMessageA(form.hwnd, WM_COMMAND, MAKEWPARAM(200, 0), 0);
    EXPECT_EQ(200, seen.lastCommand);
    SetWindowLongPtrA(form.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

TEST_F(Forms, TimerTicksWhileEnabled) {
    Timer timer;
    timer.interval = 20;
    timer.tick = OnTick;
    ASSERT_TRUE(FormAddTimer(&form, &timer));
    Pump(&form, 300);
    EXPECT_GE(seen.ticks, 3);
    TimerSetEnabled(&timer, false);
    Pump(&form); // a tick already queued may still arrive
    int ticks = seen.ticks;
    Pump(&form, 200);
    EXPECT_EQ(ticks, seen.ticks);
}

TEST_F(Forms, RunShowsTheWindowAndEndsWhenItIsClosed) {
    Timer closer;
    closer.interval = 50;
    closer.tick = [](Form* form) { PostMessageA(form->hwnd, WM_CLOSE, 0, 0); };
    ASSERT_TRUE(FormAddTimer(&form, &closer));
    form.startState = kStateMaximised;
    form.events.resize = [](Form* form) {
        if (FormGetWindowState(form) == kStateMaximised) ++seen.resizes;
    };
    EXPECT_EQ(0, FormRun(&form));
    EXPECT_EQ(1, seen.loads);
    EXPECT_EQ(1, seen.unloads);
    EXPECT_TRUE(seen.windowAliveAtUnload);
    EXPECT_GE(seen.resizes, 1);
    EXPECT_EQ(nullptr, form.hwnd);
    FormUnload(&form); // a second unload does nothing
    EXPECT_EQ(1, seen.unloads);
}

TEST(CommandLine, StartsProgramsAndReportsFailures) {
    EXPECT_TRUE(StartCommandLine("C:\\windows\\system32\\cmd.exe /c exit"));
    EXPECT_FALSE(StartCommandLine("C:\\no such folder\\no such program.exe -x"));
    std::string tooLong = "C:\\windows\\system32\\cmd.exe /c rem " + std::string(500, 'x');
    EXPECT_FALSE(StartCommandLine(tooLong.c_str()));
}

TEST(Clock, CurrentDateTimeIsTheLocalTime) {
    SYSTEMTIME before;
    GetLocalTime(&before);
    DateTime now = CurrentDateTime();
    EXPECT_EQ(before.wYear, now.date.year);
    EXPECT_EQ(before.wMonth, now.date.month);
    EXPECT_GE(now.hour, 0);
    EXPECT_LE(now.second, 59);
}

TEST(Clock, LongDateIsTheRegionalLongDateAndIsCutToFit) {
    // In the system code page, whatever the code page of the formats' locale.
    const std::string expected = LongDate(2004, 3, 15);
    ASSERT_FALSE(expected.empty());
    char text[128];
    ASSERT_TRUE(FormatLongDate({2004, 3, 15}, text, sizeof text));
    EXPECT_EQ(expected, text);
    char small[6];
    ASSERT_TRUE(FormatLongDate({2004, 3, 15}, small, sizeof small));
    EXPECT_EQ(0, expected.compare(0, std::strlen(small), small));
    EXPECT_LT(std::strlen(small), sizeof small);
}

} // namespace
