#include "sombrel/res/resource_ids.h"
#include "tests/e2e_sombrel/popup_pixels.h"
#include "tests/e2e_sombrel/sombrel_session.h"
#include "tests/e2e_sombrel/tray_icons.h"

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
    void TearDown() override { ui::EndProcess(sombrel.process); }

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
    std::string TrayPopupInk() {
        PostMessageA(sombrel.window, kTrayCallback, 0, WM_RBUTTONUP);
        HWND popup = WaitForPopupMenu(sombrel.process.id);
        if (!popup) return "no popup";
        std::string ink = PopupItemInk(popup);
        ClosePopupMenu(popup);
        return ink;
    }

    Sombrel sombrel;
};

TEST_F(SombrelTest, GreetsFirstThenShowsAWindowAsLargeAsItsPicture) {
    EXPECT_EQ(ui::Ansi("好兄弟：祝你每天都有好心情！"), sombrel.greeting);
    EXPECT_FALSE(sombrel.visibleDuringGreeting);
    RECT outer, picture;
    GetWindowRect(sombrel.window, &outer);
    GetWindowRect(ControlAt(sombrel.window, 0), &picture);
    EXPECT_EQ(505, outer.right - outer.left);
    EXPECT_EQ(409, outer.bottom - outer.top);
    EXPECT_EQ(505, picture.right - picture.left);
    EXPECT_EQ(409, picture.bottom - picture.top);
    const std::string clock = ui::Text(ControlAt(sombrel.window, 3));
    ASSERT_EQ(8u, clock.size());
    EXPECT_EQ(':', clock[2]);
    EXPECT_EQ(':', clock[5]);
    EXPECT_EQ("", ui::Text(ControlAt(sombrel.window, 1)));
    EXPECT_EQ("", ui::Text(ControlAt(sombrel.window, 2)));
    Sleep(300);
    EXPECT_TRUE(ui::SaveScreenshot(sombrel.window, "sombrel.png"));
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
    AnswerInputBox(sombrel, ID_启用闹钟, "23:59:60");
    AnswerInputBox(sombrel, ID_启用sombrel, "7:05:00");
    EXPECT_EQ("23:59:60", ui::Text(alarm)); // taken as it stands
    EXPECT_EQ("7:05:00", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用闹钟, nullptr);
    EXPECT_EQ("", ui::Text(alarm));
    EXPECT_EQ("7:05:00", ui::Text(shutdown));
    ui::Command(sombrel.window, ID_取消sombrel);
    EXPECT_EQ("", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用sombrel, "22:30:00");
    AnswerInputBox(sombrel, ID_启用sombrel, nullptr);
    EXPECT_EQ("", ui::Text(shutdown));
    AnswerInputBox(sombrel, ID_启用闹钟, "12:00:00");
    ui::Command(sombrel.window, ID_取消闹钟);
    EXPECT_EQ("", ui::Text(alarm));
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
    EXPECT_EQ("DEEEEDE", TrayPopupInk());
    ui::Command(sombrel.window, ID_mnuTrayMinimize);
    EXPECT_TRUE(IsIconic(sombrel.window));
    EXPECT_EQ("EDDDEDE", TrayPopupInk());
    PostMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONDBLCLK); // nothing of its own
    Sleep(300);
    EXPECT_TRUE(IsIconic(sombrel.window));
    PostMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(ui::WaitUntil([&] { return !IsIconic(sombrel.window); }, 5000));
    EXPECT_FALSE(IsZoomed(sombrel.window));

    ui::Command(sombrel.window, ID_mnuTrayMaximize);
    EXPECT_TRUE(IsZoomed(sombrel.window));
    EXPECT_EQ("EDDEDDE", TrayPopupInk());
    ui::Command(sombrel.window, ID_mnuTrayMinimize);
    EXPECT_TRUE(IsIconic(sombrel.window));
    PostMessageA(sombrel.window, kTrayCallback, 0, WM_LBUTTONUP);
    EXPECT_TRUE(ui::WaitUntil([&] { return IsZoomed(sombrel.window); }, 5000)); // came back maximised
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
