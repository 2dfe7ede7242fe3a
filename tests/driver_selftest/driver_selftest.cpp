// The driver against a dialog of its own (target.cpp), in a second process,
// as end-to-end tests use it against the real programs.
#include <gtest/gtest.h>
#include <objidl.h>
#include <gdiplus.h>
#include <stdlib.h>
#include <set>
#include "tests/driver/ui_driver.h"
#include "tests/driver_selftest/target_ids.h"

using Strings = std::vector<std::string>;

TEST(Paths, UnixPathsBecomeDriveZ) {
    EXPECT_EQ("Z:\\a\\b", ui::WindowsPath("/a/b"));
    EXPECT_EQ("", ui::WindowsPath("a/b"));
    EXPECT_EQ("", ui::WindowsPath(nullptr));
    std::string target = ui::ArgumentPath(1);
    EXPECT_EQ("Z:\\", target.substr(0, 3));
    EXPECT_EQ("", ui::ArgumentPath(2));
}

TEST(Text, ConvertsBetweenCodePageAndUtf8) {
    EXPECT_EQ("\xBC\xCC\xD0\xF8", ui::Ansi("继续")); // code page 936
    EXPECT_EQ("继续", ui::Utf8("\xBC\xCC\xD0\xF8"));
    EXPECT_EQ("", ui::Utf8(""));
}

class Target : public ::testing::Test {
  protected:
    void SetUp() override {
        process = ui::StartProcess(ui::ArgumentPath(1).c_str(), nullptr);
        ASSERT_NE(nullptr, process.handle);
        dialog = ui::WaitForWindow("Driver target", ui::kDialogClass, process.id);
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override { ui::EndProcess(process); }
    HWND Control(int id) { return ui::FindControl(dialog, id); }
    std::string Status() { return ui::Utf8(ui::Text(Control(IDC_STATUS))); }
    bool StatusBecomes(const std::string& expected) {
        return ui::WaitUntil([&] { return Status() == expected; }, 5000);
    }
    // Exit code of the target once it ended, -1 when it did not within 5 s.
    long ExitCode() {
        DWORD code = 0;
        return ui::WaitForExit(process.handle, 5000, &code) ? static_cast<long>(code) : -1;
    }
    ui::Process process{};
    HWND dialog = nullptr;
};

TEST_F(Target, FindsWindowsAndControls) {
    std::vector<HWND> windows = ui::ProcessWindows(process.id);
    EXPECT_NE(windows.end(), std::find(windows.begin(), windows.end(), dialog));
    EXPECT_EQ(nullptr, ui::WaitForWindow("Driver targe", nullptr, process.id, 100));
    EXPECT_EQ(nullptr, ui::WaitForWindow("Driver target", ui::kDialogClass, process.id + 4, 100));
    EXPECT_EQ(dialog, ui::WaitForWindow(nullptr, "#32770", process.id, 100));
    EXPECT_NE(nullptr, Control(IDC_ASK));
    EXPECT_EQ(nullptr, Control(999));
}

TEST_F(Target, ReadsControls) {
    EXPECT_EQ("Driver target", ui::Text(dialog));
    EXPECT_EQ("准备好了", Status());
    EXPECT_EQ(BST_UNCHECKED, ui::CheckState(Control(IDC_OPTION)));
    EXPECT_EQ(Strings({"Alpha", "Beta", "Gamma"}), ui::ListItems(Control(IDC_CHOICE)));
    EXPECT_EQ(0, ui::ListSelection(Control(IDC_CHOICE)));
    EXPECT_EQ(Strings({"One", "Two"}), ui::ListItems(Control(IDC_ITEMS)));
    EXPECT_EQ(-1, ui::ListSelection(Control(IDC_ITEMS)));
    // Failures, not crashes, on the wrong kind of window or none.
    EXPECT_EQ(Strings(), ui::ListItems(Control(IDC_ASK)));
    EXPECT_EQ(-1, ui::CheckState(nullptr));
    EXPECT_EQ("", ui::Text(nullptr));
}

TEST_F(Target, ActsAsAUserWould) {
    ASSERT_TRUE(ui::TypeText(Control(IDC_NAME), "Zelkova"));
    EXPECT_EQ("name Zelkova", Status()); // EN_CHANGE arrived before TypeText returned
    EXPECT_TRUE(ui::Click(Control(IDC_OPTION)));
    EXPECT_EQ(BST_CHECKED, ui::CheckState(Control(IDC_OPTION)));
    EXPECT_FALSE(ui::Click(Control(IDC_DISABLED)));
    EXPECT_TRUE(ui::SelectItem(Control(IDC_CHOICE), "Gamma"));
    EXPECT_EQ("choice Gamma", Status());
    EXPECT_EQ(2, ui::ListSelection(Control(IDC_CHOICE)));
    EXPECT_FALSE(ui::SelectItem(Control(IDC_CHOICE), "Gam"));
    EXPECT_FALSE(ui::SelectItem(Control(IDC_CHOICE), 3));
    EXPECT_TRUE(ui::SelectItem(Control(IDC_ITEMS), 1));
    EXPECT_EQ("item 1", Status());
    EXPECT_TRUE(ui::Command(dialog, IDM_PING));
    EXPECT_EQ("command 0", Status());
    EXPECT_TRUE(ui::ClickAt(dialog, 3, 4));
    EXPECT_TRUE(StatusBecomes("click 3,4")) << Status();
}

TEST_F(Target, AnswersMessageBoxes) {
    ASSERT_TRUE(ui::Click(Control(IDC_ASK), ui::Delivery::Post));
    HWND box = ui::WaitForWindow("Question", ui::kDialogClass, process.id);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("继续吗？", ui::Utf8(ui::MessageBoxText(box)));
    EXPECT_FALSE(ui::AnswerMessageBox(box, IDOK)); // a Yes/No box has no OK
    EXPECT_TRUE(ui::AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(StatusBecomes("answer 7")) << Status();
}

TEST_F(Target, EnterPressesTheDefaultButton) {
    ASSERT_TRUE(ui::Click(Control(IDC_OPTION)));
    ASSERT_TRUE(ui::PressKey(dialog, VK_RETURN));
    EXPECT_EQ(101, ExitCode());
}

TEST_F(Target, EscapeCancels) {
    ASSERT_TRUE(ui::PressKey(Control(IDC_NAME), VK_ESCAPE));
    EXPECT_EQ(2, ExitCode());
}

TEST_F(Target, SavesAScreenshotAsPng) {
    ASSERT_TRUE(ui::SaveScreenshot(dialog, "driver-selftest.png"));
    std::string path = ui::WindowsPath(getenv("ZK_SHOT_DIR")) + "\\driver-selftest.png";
    std::wstring widePath(path.begin(), path.end()); // the build path is ASCII
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token, &input, nullptr));
    Gdiplus::GpBitmap* image = nullptr;
    ASSERT_EQ(Gdiplus::Ok, Gdiplus::DllExports::GdipCreateBitmapFromFile(widePath.c_str(), &image));
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(image, &width);
    Gdiplus::DllExports::GdipGetImageHeight(image, &height);
    RECT rect;
    GetClientRect(dialog, &rect);
    EXPECT_EQ(static_cast<UINT>(rect.right - rect.left), width);
    EXPECT_EQ(static_cast<UINT>(rect.bottom - rect.top), height);
    // The dialog itself, not a blank area: background, text and edit field.
    std::set<Gdiplus::ARGB> colours;
    for (UINT y = 0; y < height; y += 2)
        for (UINT x = 0; x < width; x += 2) {
            Gdiplus::ARGB colour = 0;
            Gdiplus::DllExports::GdipBitmapGetPixel(image, static_cast<INT>(x), static_cast<INT>(y),
                                                    &colour);
            colours.insert(colour);
        }
    EXPECT_GE(colours.size(), 3u);
    Gdiplus::DllExports::GdipDisposeImage(image);
    Gdiplus::GdiplusShutdown(token);
    EXPECT_FALSE(ui::SaveScreenshot(nullptr, "none.png"));
}
