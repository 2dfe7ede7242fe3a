#include "sombrel/res/resource_ids.h"
#include "tests/e2e_sombrel/popup_pixels.h"
#include "tests/e2e_sombrel/sombrel_session.h"
#include "tests/e2e_sombrel/tray_icons.h"
#include "tests/support/call_site.h"

#include <gtest/gtest.h>

namespace {
constexpr UINT kTrayCallback = 2025;

class SombrelTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { StageStandIns(); }
    void SetUp() override {
        ClearLogs();
        sombrel = StartSombrel();
        ASSERT_NE(nullptr, sombrel.window) << "no clock window";
    }
    // The stand-ins this run started go with it: a window of theirs that comes
    // up late would take the activation from the next test's windows and
    // close an open popup menu.
    void TearDown() override {
        for (const char* standIn : {"Tavlin.exe", "calendar.exe", "Zkv.exe"})
            ui::EndProcessesNamed(standIn, sombrel.process.id);
        ui::EndProcess(sombrel.process);
    }

    bool Ended() {
        DWORD code;
        return ui::WaitForExit(sombrel.process.handle, 10000, &code);
    }
    // Waits until the log has `count` lines, then the time a second start
    // would take, and returns the lines.
    std::vector<std::string> LogAfterTarget(const char* log, size_t count) {
        ui::WaitUntil([&] { return LogLines(log).size() >= count; }, 8000);
        Sleep(1500);
        return LogLines(log);
    }
    // Opens the popup from the icon and waits until it is drawn with its
    // items as expected; returns what it showed last.
    std::string TrayPopupInk(const std::string& expected) {
        PostMessageA(sombrel.window, kTrayCallback, 0, WM_RBUTTONUP);
        HWND popup = WaitForPopupMenu(sombrel.process.id);
        if (!popup) return "no popup";
        std::string ink;
        ui::WaitUntil([&] { return (ink = PopupItemInk(popup)) == expected; }, 5000);
        ClosePopupMenu(popup);
        return ink;
    }

    // The control with the keyboard focus in sombrel's thread.
    HWND Focus() {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        const DWORD thread = GetWindowThreadProcessId(sombrel.window, nullptr);
        return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
    }
    // Moves the focus to `control` as the dialog keyboard handling does.
    bool FocusOn(HWND control) {
        PostMessageA(sombrel.window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
        return ui::WaitUntil([&] { return Focus() == control; }, 5000);
    }
    // The message that refuses a text which is no time, answered; while it
    // shows, `field` has its previous target `kept` again.
    void ExpectRefused(HWND field, const char* kept, CallSite at = {}) {
        CalledFrom trace(at);
        HWND box = ui::WaitForWindow(ui::Ansi("sombrel系统").c_str(), ui::kDialogClass,
                                     sombrel.process.id);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(ui::Ansi("这不是有效的时间。请按 hh:mm:ss 或 hh:mm 的格式输入，例如 "
                           "07:05:00 或 22:30。"),
                  ui::MessageBoxText(box));
        EXPECT_EQ(kept, ui::Text(field));
        ui::AnswerMessageBox(box, IDOK);
    }

    Sombrel sombrel;
};

TEST_F(SombrelTest, GreetsFirstThenShowsAWindowAsLargeAsItsPicture) {
    EXPECT_EQ(ui::Ansi("好兄弟：祝你每天都有好心情！"), sombrel.greeting);
    EXPECT_FALSE(sombrel.visibleDuringGreeting);
    RECT outer, picture;
    GetWindowRect(sombrel.window, &outer);
    GetWindowRect(ControlAt(sombrel.window, 0), &picture);
    // 7575 x 6135 twips: 505 x 409 pixels at 96 dpi.
    const SIZE size = {ui::TwipsToPixels(7575), ui::TwipsToPixels(6135)};
    EXPECT_EQ(size.cx, outer.right - outer.left);
    EXPECT_EQ(size.cy, outer.bottom - outer.top);
    EXPECT_EQ(size.cx, picture.right - picture.left);
    EXPECT_EQ(size.cy, picture.bottom - picture.top);
    // The fields and the clock inside the window, which the frame cuts from
    // the picture.
    EXPECT_EQ("", ui::ControlsOutside(sombrel.window, ControlAt(sombrel.window, 0)));
    const std::string clock = ui::Text(ControlAt(sombrel.window, 3));
    ASSERT_EQ(8u, clock.size());
    EXPECT_EQ(':', clock[2]);
    EXPECT_EQ(':', clock[5]);
    EXPECT_EQ("", ui::Text(ControlAt(sombrel.window, 1)));
    EXPECT_EQ("", ui::Text(ControlAt(sombrel.window, 2)));
    Sleep(300);
    EXPECT_TRUE(ui::SaveScreenshot(sombrel.window, ui::ShotName("sombrel").c_str()));
}

// The background is drawn at the picture's size, whatever the dpi: with the
// window maximised, the whole picture shows, and its last row and column show
// the scene (the sky's top is (25, 35, 95), the hills' bottom has less blue),
// no bare face colour of an empty picture box.
TEST_F(SombrelTest, BackgroundCoversThePictureToItsEdges) {
    ui::Command(sombrel.window, ID_mnuTrayMaximize);
    SetForegroundWindow(sombrel.window);
    RECT place;
    GetWindowRect(ControlAt(sombrel.window, 0), &place);
    const int width = place.right - place.left, height = place.bottom - place.top;
    const DWORD face = ui::PixelOf(GetSysColor(COLOR_BTNFACE));
    int bare = -1;
    EXPECT_TRUE(ui::WaitUntil(
        [&] {
            const std::vector<DWORD> pixels = ui::ScreenPixels(place);
            if (pixels.empty()) return false;
            bare = 0;
            for (int x = 0; x < width; ++x) // the last row
                bare += pixels[(height - 1) * width + x] == face;
            for (int y = 0; y < height; ++y) // the last column
                bare += pixels[y * width + width - 1] == face;
            return pixels.front() == 0x19235F && (pixels.back() & 0xFF) < 60 && bare == 0;
        },
        5000))
        << bare << " bare pixels on the edges of the " << width << " x " << height << " picture";
}

TEST_F(SombrelTest, AlarmTimeEnteredThroughTheMenuStartsTheAlarmProgramOnce) {
    const std::string target = ClockTextIn(3);
    EXPECT_EQ(ui::Ansi("请输入时间(hh:mm:ss)"),
              AnswerInputBox(sombrel, ID_启用闹钟, target.c_str()));
    EXPECT_EQ(target, ui::Text(ControlAt(sombrel.window, 1)));
    const std::vector<std::string> starts = LogAfterTarget(kAlarmLog, 1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_NE(std::string::npos, starts[0].find("Tavlin.exe"));
    EXPECT_TRUE(LogLines(kConsoleToolLog).empty());
    EXPECT_EQ(target, ui::Text(ControlAt(sombrel.window, 1))); // kept for the next day
}

TEST_F(SombrelTest, ShutdownTimeStartsTheConsoleToolWithIoff) {
    const std::string target = ClockTextIn(3);
    AnswerInputBox(sombrel, ID_启用sombrel, target.c_str());
    EXPECT_EQ(target, ui::Text(ControlAt(sombrel.window, 2)));
    const std::vector<std::string> starts = LogAfterTarget(kConsoleToolLog, 1);
    ASSERT_EQ(1u, starts.size());
    EXPECT_EQ("\"C:\\Program Files\\Zelkova\\Zkv.exe\" -ioff", starts[0]);
    EXPECT_TRUE(LogLines(kAlarmLog).empty());
}

TEST_F(SombrelTest, CancellingOrClearingEmptiesTheTarget) {
    HWND alarm = ControlAt(sombrel.window, 1), shutdown = ControlAt(sombrel.window, 2);
    AnswerInputBox(sombrel, ID_启用闹钟, "23:59:59");
    AnswerInputBox(sombrel, ID_启用sombrel, "07:05:00");
    EXPECT_EQ("23:59:59", ui::Text(alarm));
    EXPECT_EQ("07:05:00", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用闹钟, nullptr);
    EXPECT_EQ("", ui::Text(alarm));
    EXPECT_EQ("07:05:00", ui::Text(shutdown));
    ui::Command(sombrel.window, ID_取消sombrel);
    EXPECT_EQ("", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用sombrel, "22:30:00");
    AnswerInputBox(sombrel, ID_启用sombrel, nullptr);
    EXPECT_EQ("", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用闹钟, "12:00:00");
    ui::Command(sombrel.window, ID_取消闹钟);
    EXPECT_EQ("", ui::Text(alarm));
}

TEST_F(SombrelTest, TimesAreTakenInTheClocksFormAndOtherTextsAreOfferedAgain) {
    HWND alarm = ControlAt(sombrel.window, 1), shutdown = ControlAt(sombrel.window, 2);
    AnswerInputBox(sombrel, ID_启用闹钟, "22:30");
    EXPECT_EQ("22:30:00", ui::Text(alarm));
    // Full-width, as a Chinese input method types, with an ideographic space.
    AnswerInputBox(sombrel, ID_启用sombrel, ui::Ansi("７：０５：０９　").c_str());
    EXPECT_EQ("07:05:09", ui::Text(shutdown));

    AnswerInputBox(sombrel, ID_启用闹钟, "abc");
    ExpectRefused(alarm, "22:30:00");
    HWND box =
        ui::WaitForWindow(ui::Ansi("设定闹钟").c_str(), ui::kDialogClass, sombrel.process.id);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("abc", ui::Text(ui::FindControl(box, 101))); // offered for correcting
    ui::TypeText(ui::FindControl(box, 101), "6:45");
    ui::Click(ui::FindControl(box, IDOK), ui::Delivery::Post);
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(alarm) == "06:45:00"; }, ui::kFindTimeoutMs));

    AnswerInputBox(sombrel, ID_启用闹钟, "24:00");
    ExpectRefused(alarm, "06:45:00");
    box = ui::WaitForWindow(ui::Ansi("设定闹钟").c_str(), ui::kDialogClass, sombrel.process.id);
    ASSERT_NE(nullptr, box);
    ui::Click(ui::FindControl(box, IDCANCEL), ui::Delivery::Post);
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(alarm).empty(); }, ui::kFindTimeoutMs));
    EXPECT_EQ("07:05:09", ui::Text(shutdown));
}

// Typed into a field, a time is taken in the clock's form once the user leaves
// the field or presses Enter in it; other text is refused as the input box
// refuses it, and the field's target comes back.
TEST_F(SombrelTest, ATimeTypedIntoAFieldIsTakenInTheClocksFormOrRefused) {
    HWND alarm = ControlAt(sombrel.window, 1), shutdown = ControlAt(sombrel.window, 2);
    ASSERT_TRUE(FocusOn(alarm));
    ui::TypeText(alarm, "22:30");
    ASSERT_TRUE(FocusOn(shutdown));
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(alarm) == "22:30:00"; }, 5000));
    ASSERT_TRUE(FocusOn(alarm));
    ui::TypeText(alarm, "abc");
    PostMessageA(sombrel.window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(shutdown), TRUE);
    ExpectRefused(alarm, "22:30:00");
    ASSERT_TRUE(FocusOn(shutdown));
    ui::TypeText(shutdown, ui::Ansi("７：０５").c_str());
    ui::PressKey(shutdown, VK_RETURN);
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::Text(shutdown) == "07:05:00"; }, 5000));
    EXPECT_EQ("22:30:00", ui::Text(alarm));
}

// The program is held (its thread suspended) from before a target second to
// after it, as a busy machine or a long message would hold it: the clock never
// shows that second, and the alarm still starts, once.
TEST_F(SombrelTest, ASecondTheClockNeverShowsStillStartsTheAlarmOnce) {
    const DWORD threadId = GetWindowThreadProcessId(sombrel.window, nullptr);
    HANDLE thread = OpenThread(THREAD_SUSPEND_RESUME | THREAD_GET_CONTEXT, FALSE, threadId);
    ASSERT_NE(nullptr, thread);
    const ULONGLONG target = (LocalNow() / kSecond + 3) * kSecond;
    ASSERT_TRUE(ui::TypeText(ControlAt(sombrel.window, 1), ClockTextOf(target).c_str()));

    ui::WaitUntil([&] { return LocalNow() >= target - kSecond / 2; }, 5000);
    SuspendThread(thread);
    CONTEXT context = {};
    context.ContextFlags = CONTEXT_CONTROL;
    GetThreadContext(thread, &context); // returns once the thread has stopped
    const bool heldBeforeTheTarget = LocalNow() < target;
    ui::WaitUntil([&] { return LocalNow() >= target + kSecond * 17 / 10; }, 5000);
    ResumeThread(thread);
    CloseHandle(thread);
    ASSERT_TRUE(heldBeforeTheTarget);

    EXPECT_TRUE(ui::WaitUntil([] { return LogLines(kAlarmLog).size() == 1; }, 8000));
    // Ticks after the one that caught up start nothing again.
    const int later = SecondOfDay(ClockTextOf(target + 4 * kSecond));
    HWND clock = ControlAt(sombrel.window, 3);
    EXPECT_TRUE(ui::WaitUntil(
        [&] { return (SecondOfDay(ui::Text(clock)) - later + 86400) % 86400 < 60; }, 8000));
    EXPECT_EQ(1u, LogLines(kAlarmLog).size());
}

TEST_F(SombrelTest, OpensWithTheFocusOnThePictureAndTabGoesOnToTheTwoFields) {
    HWND picture = ControlAt(sombrel.window, 0);
    // Under a busy X server another window can take the activation as this
    // one opens; activated again, as by a click, it gives the focus back to
    // the control that had it.
    if (!ui::WaitUntil([&] { return Focus() == picture; }, 2000))
        SetForegroundWindow(sombrel.window);
    EXPECT_TRUE(ui::WaitUntil([&] { return Focus() == picture; }, 5000));
    // A key pressed at once is no alarm time.
    ui::PressKey(Focus(), '7');
    for (int next : {1, 2, 0}) {
        ui::PressKey(Focus(), VK_TAB);
        EXPECT_TRUE(ui::WaitUntil([&] { return Focus() == ControlAt(sombrel.window, next); }, 5000))
            << "Tab to tab index " << next;
    }
    EXPECT_EQ("", ui::Text(ControlAt(sombrel.window, 1)));
}

TEST_F(SombrelTest, CalendarCommandStartsTheCalendar) {
    ui::Command(sombrel.window, ID_calendar);
    EXPECT_TRUE(ui::WaitUntil([] { return LogLines(kCalendarLog).size() == 1; }, 5000));
}

TEST_F(SombrelTest, MissingAlarmProgramIsReportedAndTheShutdownStillStarts) {
    ASSERT_TRUE(MoveFileA(kAlarmProgram, "F:\\aa\\ts\\Tavlin.away"));
    const std::string target = ClockTextIn(3);
    AnswerInputBox(sombrel, ID_启用闹钟, target.c_str());
    AnswerInputBox(sombrel, ID_启用sombrel, target.c_str());
    HWND box =
        ui::WaitForWindow(ui::Ansi("sombrel系统").c_str(), ui::kDialogClass, sombrel.process.id);
    MoveFileA("F:\\aa\\ts\\Tavlin.away", kAlarmProgram);
    ASSERT_NE(nullptr, box);
    EXPECT_NE(std::string::npos, ui::MessageBoxText(box).find("\"f:\\aa\\ts\\Tavlin.exe\""));
    // The shutdown of the same second is not held up by the message.
    EXPECT_TRUE(ui::WaitUntil([] { return LogLines(kConsoleToolLog).size() == 1; }, 5000));
    EXPECT_TRUE(IsWindowVisible(box));
    ui::AnswerMessageBox(box, IDOK);
    Sleep(1500);
    EXPECT_TRUE(IsWindowVisible(sombrel.window));
    EXPECT_EQ(target, ui::Text(ControlAt(sombrel.window, 1))); // both times kept
    EXPECT_EQ(target, ui::Text(ControlAt(sombrel.window, 2)));
}

TEST_F(SombrelTest, TrayClicksRestoreTheLastStateAndOpenThePopup) {
    // Items top to bottom: Restore, Move, Size, Minimize, Maximize, separator, Close.
    EXPECT_EQ("DEEEEDE", TrayPopupInk("DEEEEDE"));
    ui::Command(sombrel.window, ID_mnuTrayMinimize);
    EXPECT_TRUE(IsIconic(sombrel.window));
    EXPECT_EQ("EDDDEDE", TrayPopupInk("EDDDEDE"));
    // Sent, not posted: once it returns, the window has handled it.
    SendMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONDBLCLK); // nothing of its own
    EXPECT_TRUE(IsIconic(sombrel.window));
    PostMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(ui::WaitUntil([&] { return !IsIconic(sombrel.window); }, 5000));
    EXPECT_FALSE(IsZoomed(sombrel.window));

    ui::Command(sombrel.window, ID_mnuTrayMaximize);
    EXPECT_TRUE(IsZoomed(sombrel.window));
    EXPECT_EQ("EDDEDDE", TrayPopupInk("EDDEDDE"));
    ui::Command(sombrel.window, ID_mnuTrayMinimize);
    EXPECT_TRUE(IsIconic(sombrel.window));
    PostMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(
        ui::WaitUntil([&] { return IsZoomed(sombrel.window); }, 5000)); // came back maximised
    ui::Command(sombrel.window, ID_mnuTrayRestore);
    EXPECT_FALSE(IsZoomed(sombrel.window));
    EXPECT_FALSE(IsIconic(sombrel.window));
}

TEST_F(SombrelTest, IconComesBackWhenTheNotificationAreaIsMadeAnew) {
    ASSERT_EQ(1, TrayIconCount());
    ASSERT_TRUE(ForgetTrayIcon(sombrel.window));
    ASSERT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 0; }, 5000));
    SendMessageA(sombrel.window, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 1; }, 5000));
}

TEST_F(SombrelTest, ExitFromTheFileMenuRemovesTheIconAndEnds) {
    ASSERT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 1; }, 5000));
    ui::Command(sombrel.window, ID_mnuFileExit, ui::Delivery::Post);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 0; }, 5000));
}

TEST_F(SombrelTest, CloseFromThePopupRemovesTheIconAndEnds) {
    ASSERT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 1; }, 5000));
    ui::Command(sombrel.window, ID_mnuTrayClose, ui::Delivery::Post);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 0; }, 5000));
}

TEST_F(SombrelTest, ClosingTheFrameRemovesTheIconAndEnds) {
    ASSERT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 1; }, 5000));
    PostMessageA(sombrel.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(ui::WaitUntil([] { return TrayIconCount() == 0; }, 5000));
}

} // namespace
