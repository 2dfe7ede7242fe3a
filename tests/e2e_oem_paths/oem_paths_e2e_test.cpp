// The uninstall on a Western system: ANSI code page 1252, OEM code page 437,
// which has no "ã" and no "Š". The batch file must name the program folder
// itself, never a look-alike such as "Joao" for "João".
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/call_site.h"
#include "tests/driver/ui_driver.h"
#include "tests/support/environment.h"
#include "tests/support/files.h"
#include "uninstall/removal/batch_file.h"

namespace {

using test_files::Exists;
using test_files::Write;

bool AllAscii(const char* text) {
    for (; *text; ++text)
        if (static_cast<unsigned char>(*text) >= 0x80) return false;
    return true;
}

class WesternSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        // Registered in the western world only (see CMakeLists.txt).
        ASSERT_EQ(1252u, GetACP());
        ASSERT_EQ(437u, GetOEMCP());
    }
};

const std::string Joao = ui::Ansi("João");
const std::string Skoda = ui::Ansi("Škoda");

TEST_F(WesternSystem, ALetterTheOemCodePageHoldsIsWrittenInItsOemByte) {
    char out[64];
    ASSERT_TRUE(PathForBatch(ui::Ansi("C:\\Café\\50%").c_str(), out, sizeof out));
    EXPECT_EQ(std::string("C:\\Caf\x82\\50%%"), out); // "é" is 0x82 in code page 437
}

TEST_F(WesternSystem, ALetterTheOemCodePageLacksGivesTheShortFormOrNothing) {
    char out[256] = "untouched";
    const std::string missing = "C:\\zk-oem-missing\\" + Joao;
    EXPECT_FALSE(PathForBatch(missing.c_str(), out, sizeof out)); // no file, no short form
    EXPECT_STREQ("", out);

    const std::string outer = "C:\\zk-oem " + Joao;
    const std::string inner = outer + "\\" + Skoda;
    ASSERT_TRUE(CreateDirectoryA(outer.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(inner.c_str(), nullptr));
    EXPECT_TRUE(PathForBatch(inner.c_str(), out, sizeof out));
    EXPECT_TRUE(AllAscii(out)) << out;
    char longForm[MAX_PATH] = "";
    GetLongPathNameA(out, longForm, sizeof longForm);
    EXPECT_EQ(inner, longForm) << "the short form names another folder: " << out;

    // A batch file whose paths are all refused is not left behind.
    const std::string batch = outer + "\\batch.bat";
    EXPECT_FALSE(WriteBatchFile(batch.c_str(), (missing + "\\uninstall.exe").c_str(),
                                missing.c_str(), true, true));
    EXPECT_FALSE(Exists(batch));
    RemoveDirectoryA(inner.c_str());
    RemoveDirectoryA(outer.c_str());
}

// An installation in folder, and beside it a look-alike folder with an
// uninstall.exe of its own that must survive.
class UninstallFrom : public WesternSystem {
  protected:
    std::string parent, folder, decoyParent, decoy, temp;
    EnvironmentChange environment;
    ui::Process process{};

    void Stage(const std::string& parentName, const std::string& lookAlike, CallSite at = {}) {
        CalledFrom trace(at);
        parent = parentName;
        folder = parent + "\\Zelkova";
        decoyParent = lookAlike;
        decoy = decoyParent + "\\Zelkova";
        CreateDirectoryA("C:\\Program Files", nullptr);
        for (const std::string& made : {parent, folder, decoyParent, decoy})
            ASSERT_TRUE(CreateDirectoryA(made.c_str(), nullptr)) << made;
        for (const std::string& copy : {folder, decoy})
            ASSERT_TRUE(
                CopyFileA(ui::ArgumentPath(1).c_str(), (copy + "\\uninstall.exe").c_str(), FALSE));
        Write(folder + "\\readme.txt", "read me");
        Write(folder + "\\Uninstall.lst", "readme.txt\r\nuninstall.exe\r\nUninstall.lst\r\n");
        Write(decoy + "\\readme.txt", "another program's");
    }

    // The uninstall inherits TMP and TEMP: its batch file goes to folder.
    void UseTempFolder(const std::string& path, CallSite at = {}) {
        CalledFrom trace(at);
        temp = path;
        ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr)) << temp;
        for (const char* name : {"TMP", "TEMP"})
            environment.Set(name, temp.c_str());
    }

    void TearDown() override {
        ui::EndProcess(process);
        if (!temp.empty()) {
            environment.Restore();
            RemoveDirectoryA(temp.c_str());
        }
        test_files::RemoveTree(decoyParent);
        test_files::RemoveTree(parent);
    }

    // Runs the uninstall as Add/Remove Programs does, answers Yes, and
    // waits until the batch run has ended (its file deletes itself last).
    void Uninstall(CallSite at = {}) {
        CalledFrom trace(at);
        std::string line = "\"" + folder + "\\uninstall.exe\"";
        process = ui::StartProcess(line.c_str(), "C:\\windows");
        ASSERT_NE(nullptr, process.handle);
        HWND box = ui::WaitForWindow(nullptr, ui::kDialogClass, process.id);
        ASSERT_NE(nullptr, box) << "no confirmation";
        ui::AnswerMessageBox(box, IDYES);
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(folder); }, 30000))
            << folder << " still there";
        const std::string batch = test_files::TempFolder() + "Uninstall_Zkv.Bat";
        EXPECT_TRUE(ui::WaitUntil([&] { return !Exists(batch); }, 10000))
            << "the batch run did not end";
    }

    void ExpectOnlyTheInstallationGone(CallSite at = {}) {
        CalledFrom trace(at);
        EXPECT_FALSE(Exists(folder));
        EXPECT_TRUE(Exists(parent)) << "the folder above the program folder stays";
        EXPECT_TRUE(Exists(decoy + "\\uninstall.exe")) << "the look-alike's program was deleted";
        EXPECT_TRUE(Exists(decoy + "\\readme.txt"));
    }
};

TEST_F(UninstallFrom, AFolderWithALetterTheOemCodePageLacksNotItsLookAlike) {
    Stage("C:\\Program Files\\" + Joao, "C:\\Program Files\\Joao");
    Uninstall();
    ExpectOnlyTheInstallationGone();
}

TEST_F(UninstallFrom, AFolderWhoseFirstLetterTheOemCodePageLacksWithTheBatchFileInAnother) {
    Stage("C:\\" + Skoda, "C:\\Skoda");
    UseTempFolder("C:\\Temp " + Joao);
    Uninstall();
    ExpectOnlyTheInstallationGone();
}

} // namespace
