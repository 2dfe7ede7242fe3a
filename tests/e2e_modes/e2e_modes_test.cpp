// uninstall.exe /warning, /wait, /clean and the switches that do nothing,
// started from a staged folder named in the system's language.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include "tests/support/call_site.h"
#include "tests/driver/ui_driver.h"
#include "tests/support/files.h"
#include "tests/support/world.h"
#include "uninstall/localisation/crc32.h"

namespace {

struct RunResult {
    DWORD exitCode = 1;
    DWORD milliseconds = 0;
    bool sawVisibleWindow = false;
};

class Modes : public ::testing::Test {
  protected:
    std::string folder, program;
    ui::Process process{};

    void SetUp() override {
        folder =
            test_files::TempFolder() +
            test_world::FirstSpelled({"卸载测试 模式", "Удаление тест", "Désinstallation test"});
        CreateDirectoryA(folder.c_str(), nullptr);
        program = folder + "\\uninstall.exe";
        ASSERT_TRUE(CopyFileA(ui::ArgumentPath(1).c_str(), program.c_str(), FALSE));
    }
    void TearDown() override {
        ui::EndProcess(process);
        test_files::RemoveTree(folder);
    }

    void Start(const char* arguments, CallSite at = {}) {
        CalledFrom trace(at);
        std::string line = "\"" + program + "\" " + arguments;
        process = ui::StartProcess(line.c_str(), folder.c_str());
        ASSERT_NE(nullptr, process.handle);
    }

    // Runs to the end, watching for any visible window on the way.
    RunResult RunToEnd(const char* arguments, CallSite at = {}) {
        CalledFrom trace(at);
        RunResult run;
        DWORD start = GetTickCount();
        Start(arguments);
        ui::WaitUntil(
            [&] {
                for (HWND w : ui::ProcessWindows(process.id))
                    run.sawVisibleWindow |= IsWindowVisible(w) != FALSE;
                return WaitForSingleObject(process.handle, 0) == WAIT_OBJECT_0;
            },
            10000);
        EXPECT_TRUE(ui::WaitForExit(process.handle, 0, &run.exitCode)) << arguments;
        run.milliseconds = GetTickCount() - start;
        return run;
    }

    // The notice: its caption and text, answered with OK; the exit code.
    void ExpectNotice(const std::string& caption, const std::string& text, const char* shot,
                      CallSite at = {}) {
        CalledFrom trace(at);
        Start("/warning");
        HWND box = ui::WaitForWindow(caption.c_str(), ui::kDialogClass, process.id);
        ASSERT_NE(nullptr, box) << ui::Utf8(caption);
        EXPECT_EQ(ui::Utf8(text), ui::Utf8(ui::MessageBoxText(box)));
        ui::SaveScreenshot(box, shot);
        EXPECT_TRUE(ui::AnswerMessageBox(box, IDOK));
        DWORD code = 1;
        EXPECT_TRUE(ui::WaitForExit(process.handle, 5000, &code));
        EXPECT_EQ(0u, code);
    }

    void WriteTranslation(const std::string& entries) {
        WriteFile("; translation for a test\r\n***messages***\r\n" + entries + "\r\n\r\n");
    }
    void WriteFile(const std::string& text, CallSite at = {}) {
        test_files::Write(folder + "\\uninstall.lng", text, at);
    }
};

// The key of a string-table text given in UTF-8.
std::string StringKey(const char* sourceUtf8) {
    std::string keyed = "s" + ui::Ansi(sourceUtf8);
    char key[9];
    snprintf(key, sizeof key, "%08x",
             static_cast<unsigned>(~Crc32Update(0xFFFFFFFFu, keyed.data(), keyed.size())));
    return key;
}

// key="value" for a string-table text given in UTF-8.
std::string StringEntry(const char* sourceUtf8, const char* value) {
    return StringKey(sourceUtf8) + "=\"" + value + "\"\r\n";
}

// A translation file with the translation of one string replaced.
std::string Retranslate(std::string file, const char* sourceUtf8, const std::string& value,
                        CallSite at = {}) {
    CalledFrom trace(at);
    const std::size_t entry = file.find("\n" + StringKey(sourceUtf8) + "=\"");
    EXPECT_NE(std::string::npos, entry) << sourceUtf8;
    if (entry == std::string::npos) return file;
    const std::size_t start = entry + 11, end = file.find('"', start);
    return file.replace(start, end - start, value);
}

TEST_F(Modes, WarningShowsTheProgramPathUnderTheOwnCaption) {
    ExpectNotice(ui::Ansi("卸载 Zelkova"), ui::Ansi("卸载已完成\n你应该手动删除 ") + program,
                 "modes-warning.png");
}

TEST_F(Modes, WarningInEnglishWithTheSampleLibrary) {
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(2).c_str(), (folder + "\\zkvlng.dll").c_str(), FALSE));
    ExpectNotice("Uninstall Zelkova",
                 "Uninstall completed\nYou should delete " + program + " manually",
                 "modes-warning-english.png");
}

TEST_F(Modes, WarningTranslatedByTheTranslationFile) {
    // The library is bypassed for strings while a table is loaded; a
    // translation that is no safe format falls back to the program's text.
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(2).c_str(), (folder + "\\zkvlng.dll").c_str(), FALSE));
    WriteTranslation(StringEntry("卸载已完成", "Removal finished") +
                     StringEntry("你应该手动删除 %s", "%n%n%s%n") +
                     StringEntry("卸载 Zelkova", "Zelkova removal"));
    ExpectNotice("Zelkova removal", ui::Ansi("Removal finished\n你应该手动删除 ") + program,
                 "modes-warning-translated.png");
}

TEST_F(Modes, WarningTranslatedByTheSampleTranslationFile) {
    ASSERT_TRUE(
        CopyFileA(ui::ArgumentPath(3).c_str(), (folder + "\\uninstall.lng").c_str(), FALSE));
    ExpectNotice(ui::Ansi("解除安裝 Zelkova"),
                 ui::Ansi("解除安裝已完成\n您應該手動刪除 ") + program,
                 "modes-warning-sample-translation.png");
}

TEST_F(Modes, WarningShowsTheTextsChangedInTheTranslatorsTemplate) {
    std::string made;
    {
        std::ifstream in(ui::ArgumentPath(4).c_str(), std::ios::binary);
        made.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_NE(std::string::npos, made.find("***messages***"));
    // As made, nothing changes.
    WriteFile(made);
    ExpectNotice(ui::Ansi("卸载 Zelkova"), ui::Ansi("卸载已完成\n你应该手动删除 ") + program,
                 "modes-warning-template.png");
    // Two texts changed, the third as it was.
    WriteFile(Retranslate(Retranslate(made, "卸载 Zelkova", ui::Ansi("移除 Zelkova")), "卸载已完成",
                          "Removed"));
    ExpectNotice(ui::Ansi("移除 Zelkova"), ui::Ansi("Removed\n你应该手动删除 ") + program,
                 "modes-warning-template-changed.png");
}

TEST_F(Modes, WaitPausesForTwoSeconds) {
    RunResult run = RunToEnd("/wait");
    EXPECT_EQ(0u, run.exitCode);
    EXPECT_FALSE(run.sawVisibleWindow);
    EXPECT_GE(run.milliseconds, 2000u);
    EXPECT_LT(run.milliseconds, 5000u);
}

TEST_F(Modes, SwitchesWithoutActionEndAtOnceWithoutAWindow) {
    for (const char* arguments : {"/clean", "/s", "/warn", "/setup /s ", "/setup /wait /x"}) {
        RunResult run = RunToEnd(arguments);
        EXPECT_EQ(0u, run.exitCode) << arguments;
        EXPECT_FALSE(run.sawVisibleWindow) << arguments;
        EXPECT_LT(run.milliseconds, 1900u) << arguments; // well short of the /wait pause
        ui::EndProcess(process);
    }
}

TEST_F(Modes, CapitalsAndLongerSwitchesStillMatch) {
    Start("/WARNINGS");
    HWND box = ui::WaitForWindow(ui::Ansi("卸载 Zelkova").c_str(), ui::kDialogClass, process.id);
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(ui::AnswerMessageBox(box, IDOK));
    DWORD code = 1;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 5000, &code));
    EXPECT_EQ(0u, code);
}

} // namespace
