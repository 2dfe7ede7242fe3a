#include "tests/driver/ui_driver.h"
#include "tests/support/long_date.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// The window's controls are numbered in tab order from 1000.
enum ControlId {
    kMonthList = 1001,
    kYearList = 1003,
    kOk = 1004,
    kCancel = 1005,
    kLongDate = 1006,
    kWeekday = 1007,
    kFirstDay = 1009, // lblnumber(0), day 1
};

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};

class Calendar : public ::testing::Test {
  protected:
    void SetUp() override {
        process = ui::StartProcess(ui::ArgumentPath(1).c_str(), nullptr);
        ASSERT_NE(nullptr, process.handle);
        window = ui::WaitForWindow("Calendar", nullptr, process.id);
        ASSERT_NE(nullptr, window);
    }
    void TearDown() override { ui::EndProcess(process); }

    HWND Control(int id) const { return ui::FindControl(window, id); }
    HWND Day(int day) const { return Control(kFirstDay + day - 1); }
    bool HasBorder(int day) const {
        return (GetWindowLongPtrA(Day(day), GWL_STYLE) & WS_BORDER) != 0;
    }
    // The one day that has the border, 0 for none, -1 for several.
    int BorderedDay() const {
        int found = 0;
        for (int day = 1; day <= 31; ++day)
            if (HasBorder(day)) found = found ? -1 : day;
        return found;
    }
    void Choose(int month, int year) {
        ASSERT_TRUE(ui::SelectItem(Control(kMonthList), month - 1));
        ASSERT_TRUE(ui::SelectItem(Control(kYearList), year - 1960));
    }
    void ClickDay(int day) {
        ASSERT_TRUE(ui::ClickAt(Day(day), 3, 3));
        ASSERT_TRUE(ui::WaitUntil([&] { return HasBorder(day); }, 5000)) << day;
    }
    // OK's message box: its text, answered, the window left open.
    std::string ConfirmWith(UINT key) {
        if (key)
            EXPECT_TRUE(ui::PressKey(Control(kMonthList), key));
        else
            EXPECT_TRUE(ui::Click(Control(kOk), ui::Delivery::Post));
        HWND box = ui::WaitForWindow("calendar", ui::kDialogClass, process.id);
        if (!box) return "(no message box)";
        std::string text = ui::MessageBoxText(box);
        EXPECT_TRUE(ui::AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(ui::WaitUntil([&] { return !IsWindow(box); }, 5000));
        EXPECT_TRUE(IsWindowVisible(window));
        return text;
    }
    void ExpectEndsWith(UINT key) {
        if (key)
            ASSERT_TRUE(ui::PressKey(Control(kMonthList), key));
        else
            ASSERT_TRUE(ui::Click(Control(kCancel), ui::Delivery::Post));
        DWORD code = 1;
        EXPECT_TRUE(ui::WaitForExit(process.handle, 10000, &code));
        EXPECT_EQ(0u, code);
    }

    ui::Process process{};
    HWND window = nullptr;
};

TEST_F(Calendar, OpensOnToday) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    std::vector<std::string> months = ui::ListItems(Control(kMonthList));
    std::vector<std::string> years = ui::ListItems(Control(kYearList));
    ASSERT_EQ(12u, months.size());
    EXPECT_EQ("January", months[0]);
    EXPECT_EQ("December", months[11]);
    ASSERT_EQ(101u, years.size());
    EXPECT_EQ(" 1960", years[0]);
    EXPECT_EQ(" 2060", years[100]);

    EXPECT_EQ(today.wMonth - 1, ui::ListSelection(Control(kMonthList)));
    EXPECT_EQ(today.wYear - 1960, ui::ListSelection(Control(kYearList)));
    EXPECT_EQ(today.wDay, BorderedDay());
    EXPECT_EQ(kWeekdays[today.wDayOfWeek], ui::Text(Control(kWeekday)));
    EXPECT_EQ(LongDate(today.wYear, today.wMonth, today.wDay), ui::Text(Control(kLongDate)));
    EXPECT_EQ("15", ui::Text(Day(15)));
    EXPECT_TRUE(ui::SaveScreenshot(window, ui::ShotName("calendar").c_str()));
}

// Laid out in twips, at any dpi: every control inside the window, the day
// grid in rows and columns 360 twips apart.
TEST_F(Calendar, GridAndControlsFitTheWindowAtThisDpi) {
    EXPECT_EQ("", ui::ControlsOutside(window));
    const int pitch = ui::TwipsToPixels(360);
    RECT first, last; // day 31: four rows down, two columns on
    GetWindowRect(Day(1), &first);
    GetWindowRect(Day(31), &last);
    EXPECT_NEAR(2 * pitch, last.left - first.left, 1);
    EXPECT_NEAR(4 * pitch, last.top - first.top, 1);
}

TEST_F(Calendar, DaysShownFollowTheMonthAndYear) {
    Choose(2, 2001);
    EXPECT_TRUE(IsWindowVisible(Day(28)));
    for (int day = 29; day <= 31; ++day)
        EXPECT_FALSE(IsWindowVisible(Day(day))) << day;
    ASSERT_TRUE(ui::SelectItem(Control(kYearList), " 2004"));
    EXPECT_TRUE(IsWindowVisible(Day(29)));
    EXPECT_FALSE(IsWindowVisible(Day(30)));
    Choose(4, 2004);
    EXPECT_TRUE(IsWindowVisible(Day(30)));
    EXPECT_FALSE(IsWindowVisible(Day(31)));
}

TEST_F(Calendar, ClickingADayShowsItsWeekdayAndLongDateAndOkShowsIt) {
    Choose(3, 2004);
    ClickDay(15);
    EXPECT_EQ(15, BorderedDay());
    EXPECT_EQ("Monday", ui::Text(Control(kWeekday)));
    std::string longDate = LongDate(2004, 3, 15);
    EXPECT_EQ(longDate, ui::Text(Control(kLongDate)));
    EXPECT_EQ(longDate, ConfirmWith(0));
    EXPECT_EQ(longDate, ConfirmWith(VK_RETURN)); // Enter is OK
    EXPECT_EQ(15, BorderedDay());
    EXPECT_EQ("Monday", ui::Text(Control(kWeekday)));
}

TEST_F(Calendar, DayPastTheEndOfTheNewMonthBecomesItsLastDay) {
    Choose(1, 2004);
    ClickDay(31);
    ASSERT_TRUE(ui::SelectItem(Control(kMonthList), "April"));
    EXPECT_EQ(30, BorderedDay());
    EXPECT_EQ("Friday", ui::Text(Control(kWeekday)));
    EXPECT_EQ(LongDate(2004, 4, 30), ui::Text(Control(kLongDate)));
    EXPECT_EQ(LongDate(2004, 4, 30), ConfirmWith(0));

    Choose(2, 2004);
    ClickDay(29);
    ASSERT_TRUE(ui::SelectItem(Control(kYearList), " 2003"));
    EXPECT_EQ(28, BorderedDay());
    EXPECT_EQ("Friday", ui::Text(Control(kWeekday)));
    EXPECT_EQ(LongDate(2003, 2, 28), ConfirmWith(0));
}

TEST_F(Calendar, AccessKeysOfTheLabelsMoveTheFocusToTheirLists) {
    auto focus = [&] {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus;
    };
    ASSERT_TRUE(ui::WaitUntil([&] { return focus() == Control(kMonthList); }, 5000));
    const LPARAM alt = 1 | 1L << 29;
    PostMessageA(Control(kMonthList), WM_SYSCHAR, 'y', alt);
    EXPECT_TRUE(ui::WaitUntil([&] { return focus() == Control(kYearList); }, 5000));
    PostMessageA(Control(kYearList), WM_SYSCHAR, 'm', alt);
    EXPECT_TRUE(ui::WaitUntil([&] { return focus() == Control(kMonthList); }, 5000));
}

TEST_F(Calendar, EscEndsTheProgram) {
    ExpectEndsWith(VK_ESCAPE);
}

TEST_F(Calendar, CancelEndsTheProgram) {
    ExpectEndsWith(0);
}

} // namespace
