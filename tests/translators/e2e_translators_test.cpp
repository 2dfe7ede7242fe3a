// A translator's results under Wine: a French language library made from
// the English sample shows its texts, and on crafted translation files the
// translators' tool's verdict and what the program shows agree.
#include <gtest/gtest.h>
#include <fstream>
#include <iterator>
#include <string>
#include "tests/driver/ui_driver.h"
#include "tests/support/call_site.h"
#include "tests/support/files.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class Translators : public ::testing::Test {
  protected:
    std::string folder, program;
    ui::Process process{};

    void SetUp() override {
        folder = test_files::TempFolder() + "translators";
        test_files::RemoveTree(folder);
        CreateDirectoryA(folder.c_str(), nullptr);
        program = folder + "\\uninstall.exe";
        ASSERT_TRUE(CopyFileA(ui::ArgumentPath(1).c_str(), program.c_str(), FALSE));
    }
    void TearDown() override {
        ui::EndProcess(process);
        test_files::RemoveTree(folder);
    }

    // The first dialog (or message box) the program shows with these
    // arguments; the process is ended after.
    HWND FirstDialog(const char* arguments) {
        ui::EndProcess(process);
        const std::string line = "\"" + program + "\" " + arguments;
        process = ui::StartProcess(line.c_str(), folder.c_str());
        EXPECT_NE(nullptr, process.handle);
        return ui::WaitForWindow(nullptr, ui::kDialogClass, process.id);
    }
};

TEST_F(Translators, ALibraryInTheCodePageOfItsLanguageShowsItsTexts) {
    ASSERT_TRUE(CopyFileA(ui::ArgumentPath(2).c_str(), (folder + "\\zkvlng.dll").c_str(), FALSE));
    HWND box = FirstDialog("/warning");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Désinstaller Zelkova", ui::Utf8(ui::Text(box)));
    EXPECT_EQ("Désinstallation terminée\nSupprimez " + ui::Utf8(program) + " à la main",
              ui::Utf8(ui::MessageBoxText(box)));
    ui::SaveScreenshot(box, "translators-french-library.png");
    EXPECT_TRUE(ui::AnswerMessageBox(box, IDOK));
    DWORD code = 1;
    EXPECT_TRUE(ui::WaitForExit(process.handle, 5000, &code));
}

TEST_F(Translators, TheToolsVerdictAgreesWithTheScreen) {
    const struct {
        const char* file;
        const char* arguments; // /warning: the caption of string 5104; /setup: SETUPDLG's title
        std::string meant;     // UTF-8, as the translator wrote it
    } cases[] = {
        {"backslash-n", "/warning", "祝您好運n"},
        {"backslash-quote", "/warning", "祝您好運"},
        {"backslash-doubled", "/warning", "祝您好運"},
        {"last-line-long", "/setup", std::string(312, 'x')},
        {"last-line-short", "/setup", "Setup"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(CopyFileA((ui::ArgumentPath(3) + "\\" + c.file + ".lng").c_str(),
                              (folder + "\\uninstall.lng").c_str(), FALSE));
        HWND shown = FirstDialog(c.arguments);
        ASSERT_NE(nullptr, shown);
        const std::string text = ui::Text(shown);
        const std::string verdict = ReadAll(ui::ArgumentPath(4) + "\\" + c.file + ".txt");
        const bool clean = verdict.find(": 0 error(s)") != std::string::npos;
        EXPECT_EQ(clean, text == ui::Ansi(c.meant)) << verdict << "shown: " << ui::Utf8(text);
        ui::EndProcess(process);
    }
}

} // namespace
