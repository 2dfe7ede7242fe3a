// uninstall.exe /setup as a user meets it: staged with the stand-ins in a
// folder with a blank in its name, on a machine where other programs own
// ".zip", ".cab" and ".iso".
#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include "tests/support/call_site.h"
#include "tests/driver/ui_driver.h"
#include "tests/support/files.h"
#include "tests/support/links.h"
#include "tests/support/registry_snapshot.h"
#include "uninstall/res/resource_ids.h"
#include "tests/support/setup_test.h"

using namespace setup_test;

namespace {
const char Folder[] = "C:\\Program Files\\Zelkova";
const HKEY Classes = HKEY_CLASSES_ROOT;
const HKEY User = HKEY_CURRENT_USER;
const char UninstallKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zelkova archiver";
const char AppPathKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Zelkova.exe";
const char MenuItems[] = "Software\\Zelkova\\Setup\\MenuItems";
const char Clsid[] = "{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}";
const char ClassKey[] = "CLSID\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}";
const char ExeHandlerKey[] =
    "exefile\\shellex\\PropertySheetHandlers\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}";
const char ApprovedKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
// The handler entries of the shell extension in keys that all programs share.
const char* const SharedHandlerKeys[] = {"*\\shellex\\ContextMenuHandlers\\Zelkova",
                                         "Folder\\shellex\\ContextMenuHandlers\\Zelkova",
                                         "Folder\\shellex\\DragDropHandlers\\Zelkova",
                                         "Drive\\shellex\\DragDropHandlers\\Zelkova",
                                         "Directory\\shellex\\ContextMenuHandlers\\Zelkova",
                                         "Directory\\shellex\\DragDropHandlers\\Zelkova"};
const char* const MenuItemValues[] = {"ExtrTo", "ExtrHere", "Extr",     "ExtrSep", "OpenSFX",
                                      "AddTo",  "AddArc",   "EmailArc", "EmailOpt"};

std::string InFolder(const char* name) {
    return std::string(Folder) + "\\" + name;
}

// Every extension key whose type is one of Zelkova's: the archive types and
// the volumes of split archives that setup took over.
void DeleteZelkovaExtensions() {
    std::vector<std::string> owned;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(Classes, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
        if (name[0] == '.' && _strnicmp(Value(Classes, name, "").c_str(), "Zelkova", 7) == 0)
            owned.push_back(name);
    }
    for (const std::string& extension : owned)
        DeleteTree(Classes, extension.c_str());
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Stage(bool english, CallSite at = {}) {
    CalledFrom trace(at);
    CreateDirectoryA("C:\\Program Files", nullptr);
    ASSERT_TRUE(CreateDirectoryA(Folder, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    const std::string files = ui::ArgumentPath(4);
    const std::pair<std::string, const char*> copies[] = {
        {ui::ArgumentPath(1), "uninstall.exe"},   {ui::ArgumentPath(2), "Zelkova.exe"},
        {ui::ArgumentPath(3), "zkvext.dll"},      {files + "\\Zkv.txt", "Zkv.txt"},
        {files + "\\zelkova.hlp", "zelkova.hlp"}, {files + "\\license.txt", "license.txt"}};
    for (const auto& copy : copies) {
        ASSERT_TRUE(CopyFileA(copy.first.c_str(), InFolder(copy.second).c_str(), FALSE))
            << copy.first;
    }
    if (english) {
        ASSERT_TRUE(CopyFileA(ui::ArgumentPath(5).c_str(), InFolder("zkvlng.dll").c_str(), FALSE));
    }
}

// A visible dialog of the process that has the control id (and not the
// other one: SETUPDLG has every control id of DONEDLG).
HWND WaitForDialog(DWORD process, int controlId, int absentId = 0) {
    HWND found = nullptr;
    ui::WaitUntil(
        [&] {
            for (HWND window : ui::ProcessWindows(process)) {
                if (IsWindowVisible(window) && ui::FindControl(window, controlId) &&
                    !(absentId && ui::FindControl(window, absentId))) {
                    found = window;
                }
            }
            return found != nullptr;
        },
        ui::kFindTimeoutMs);
    return found;
}

// Rows of the control's screen pixels that hold ink (darker than the face
// of the dialog): the height of its text.
int InkRows(HWND control) {
    SetForegroundWindow(GetAncestor(control, GA_ROOT));
    RECT place;
    GetWindowRect(control, &place);
    const size_t width = place.right - place.left;
    auto dark = [](DWORD p) { return (p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF) < 200; };
    int rows = 0;
    ui::WaitUntil(
        [&] {
            const std::vector<DWORD> pixels = ui::ScreenPixels(place);
            rows = 0;
            for (size_t at = 0; width > 0 && at < pixels.size(); at += width)
                rows += std::any_of(pixels.begin() + at, pixels.begin() + at + width, dark);
            return rows > 0;
        },
        ui::kFindTimeoutMs);
    return rows;
}

int Check(HWND dialog, int id) {
    return ui::CheckState(ui::FindControl(dialog, id));
}

class SetupEndToEnd : public ::testing::Test {
  protected:
    ui::Process program = {nullptr, 0};

    registry_snapshot::Snapshot before;

    void SetUp() override {
        GetDesktopWindow(); // the desktop process starts from this one, not from setup
        Undo();
        before = registry_snapshot::Registry();
        SetString(Classes, ".zip", "", "CompressedFolder");
        SetString(Classes, ".zip", "Content Type", "application/x-zip-compressed");
        SetString(Classes, ".cab", "", "CabFolder");
        SetString(Classes, ".iso", "", "DiscImage");
    }
    void TearDown() override {
        // Setup opens the new program group; under Wine that starts an
        // explorer.exe that stays, in the program folder.
        if (program.id) ui::EndProcessesNamed("explorer.exe", program.id);
        ui::EndProcess(program);
        ui::EndProcessesNamed("Zelkova.exe"); // started by DONEDLG's buttons
        Undo();
        // The clean-up takes away all that setup wrote: what stays is only
        // the emptied keys that all programs share.
        const registry_snapshot::Snapshot after = registry_snapshot::Registry();
        EXPECT_EQ(registry_snapshot::Difference(before, after), "")
            << "taken although there before";
        EXPECT_EQ(registry_snapshot::UnsharedLeftovers(after, before), "") << "left by the test";
        EXPECT_FALSE(test_files::Exists(Folder));
    }
    // Everything setup may have written, and the staged folder.
    static void Undo() {
        DeleteZelkovaExtensions();
        for (const char* key : {"Zelkova", "Zelkova.ZIP", "Zelkova.REV", ".rev", ".zip", ".cab",
                                ".iso", ".zkv", ".txt", "ZkTestText", ClassKey, ExeHandlerKey}) {
            DeleteTree(Classes, key);
        }
        for (const char* key : SharedHandlerKeys)
            DeleteTree(Classes, key);
        DeleteValue(HKEY_LOCAL_MACHINE, ApprovedKey, Clsid);
        DeleteTree(User, "Software\\Zelkova");
        DeleteTree(HKEY_LOCAL_MACHINE, UninstallKey);
        DeleteTree(HKEY_LOCAL_MACHINE, AppPathKey);
        test_links::RemoveZelkovaLinks();
        test_files::RemoveTree(Folder);
    }
    void Start(const char* arguments, CallSite at = {}) {
        CalledFrom trace(at);
        std::string line = "\"" + InFolder("uninstall.exe") + "\" " + arguments;
        program = ui::StartProcess(line.c_str(), Folder);
        ASSERT_NE(nullptr, program.handle);
    }
    void ExpectExit(CallSite at = {}) {
        CalledFrom trace(at);
        DWORD code = 1;
        ASSERT_TRUE(ui::WaitForExit(program.handle, 20000, &code));
        EXPECT_EQ(0u, code);
    }
};

TEST_F(SetupEndToEnd, InteractiveSetupShowsDefaultsAppliesChoicesAndOffersItsButtons) {
    Stage(false);
    CoInitialize(nullptr);
    Start("/setup");
    HWND setup = WaitForDialog(program.id, IDC_CONTEXT_ITEMS_BUTTON);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ("Zelkova 中文版安装", ui::Utf8(ui::Text(setup)));
    for (int id = IDC_ZKV_BOX; id <= IDC_JAR_BOX; ++id)
        EXPECT_EQ(BST_CHECKED, Check(setup, id)) << id;
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_ISO_BOX)); // ".iso" belongs to another program
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_DESKTOP_BOX));
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_START_MENU_BOX));
    EXPECT_EQ(BST_CHECKED, Check(setup, IDC_PROGRAM_GROUP_BOX));
    EXPECT_EQ(BST_CHECKED, Check(setup, IDC_SHELL_EXT_BOX));
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_CASCADED_MENU_BOX));
    EXPECT_EQ(BST_CHECKED, Check(setup, IDC_MENU_ICONS_BOX));
    EXPECT_EQ("", ui::ControlsOutside(setup));
    ui::SaveScreenshot(setup, ui::ShotName("setup-setupdlg-zh").c_str());

    // Select-all ticks the twelve types and nothing else.
    ui::Click(ui::FindControl(setup, IDC_ZIP_BOX));
    ui::Click(ui::FindControl(setup, IDC_SELECT_ALL_BUTTON));
    for (int id = IDC_ZKV_BOX; id <= IDC_ISO_BOX; ++id)
        EXPECT_EQ(BST_CHECKED, Check(setup, id)) << id;
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_DESKTOP_BOX));
    EXPECT_EQ(BST_UNCHECKED, Check(setup, IDC_CASCADED_MENU_BOX));

    // Explorer integration off greys its two options, on enables them again.
    ui::Click(ui::FindControl(setup, IDC_SHELL_EXT_BOX));
    EXPECT_FALSE(IsWindowEnabled(ui::FindControl(setup, IDC_CASCADED_MENU_BOX)));
    EXPECT_FALSE(IsWindowEnabled(ui::FindControl(setup, IDC_MENU_ICONS_BOX)));
    ui::Click(ui::FindControl(setup, IDC_SHELL_EXT_BOX));
    EXPECT_TRUE(IsWindowEnabled(ui::FindControl(setup, IDC_CASCADED_MENU_BOX)));
    EXPECT_TRUE(IsWindowEnabled(ui::FindControl(setup, IDC_MENU_ICONS_BOX)));

    // Context-menu items: cancel writes nothing, OK writes all nine.
    ui::Click(ui::FindControl(setup, IDC_CONTEXT_ITEMS_BUTTON), ui::Delivery::Post);
    HWND items = WaitForDialog(program.id, IDC_EMAIL_ARCHIVE_BOX);
    ASSERT_NE(nullptr, items);
    for (int id = IDC_EXTRACT_FILES_BOX; id <= IDC_EMAIL_ARCHIVE_BOX; ++id) {
        EXPECT_EQ(BST_CHECKED, Check(items, id)) << id;
    }
    EXPECT_EQ("", ui::ControlsOutside(items));
    ui::SaveScreenshot(items, ui::ShotName("setup-contextitems-zh").c_str());
    ui::Click(ui::FindControl(items, IDC_EXTRACT_TO_FOLDER_BOX));
    ui::Click(ui::FindControl(items, IDCANCEL), ui::Delivery::Post);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(items); }, 5000));
    EXPECT_FALSE(KeyExists(User, MenuItems));
    ui::Click(ui::FindControl(setup, IDC_CONTEXT_ITEMS_BUTTON), ui::Delivery::Post);
    items = WaitForDialog(program.id, IDC_EMAIL_ARCHIVE_BOX);
    ASSERT_NE(nullptr, items);
    ui::Click(ui::FindControl(items, IDC_EXTRACT_TO_FOLDER_BOX));
    ui::Click(ui::FindControl(items, IDOK), ui::Delivery::Post);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(items); }, 5000));
    for (const char* value : MenuItemValues) {
        EXPECT_EQ(std::string(value) == "Extr" ? 0u : 1u, Dword(User, MenuItems, value)) << value;
    }

    ui::Click(ui::FindControl(setup, IDOK), ui::Delivery::Post);
    HWND done = WaitForDialog(program.id, IDC_THANKS_TEXT, IDC_CONTEXT_ITEMS_BUTTON);
    ASSERT_NE(nullptr, done);
    EXPECT_EQ(Folder, ui::Text(ui::FindControl(done, IDC_FOLDER_TEXT)));
    EXPECT_EQ("", ui::ControlsOutside(done));
    // The bold thanks grow with the dialog font: 12 pixels tall at 96 dpi.
    EXPECT_GE(InkRows(ui::FindControl(done, IDC_THANKS_TEXT)), 9 * ui::ScreenDpi() / 96);
    ui::SaveScreenshot(done, ui::ShotName("setup-donedlg-zh").c_str());

    // What OK applied.
    EXPECT_EQ("Zelkova.ZIP", Value(Classes, ".zip", ""));
    EXPECT_EQ("Zelkova", Value(Classes, ".iso", ""));
    EXPECT_EQ("CompressedFolder", Value(User, "Software\\Zelkova\\Setup\\.zip", "Type"));
    EXPECT_EQ("DiscImage", Value(User, "Software\\Zelkova\\Setup\\.iso", "Type"));
    EXPECT_EQ("\"" + InFolder("uninstall.exe") + "\"",
              Value(HKEY_LOCAL_MACHINE, UninstallKey, "UninstallString"));
    EXPECT_EQ(InFolder("Zelkova.exe"), Value(HKEY_LOCAL_MACHINE, AppPathKey, ""));
    EXPECT_EQ(InFolder("zkvext.dll"),
              Value(Classes, "CLSID\\{5F2C1A40-93B7-4E0D-A6C1-0B8E2D7F4A19}\\InProcServer32", ""));
    EXPECT_EQ(InFolder("zipnew.dat"), Value(Classes, ".zip\\ShellNew", "FileName"));
    EXPECT_EQ(22u, FileText(InFolder("zipnew.dat")).size());

    // "Run Zelkova" starts the stand-in, named unambiguously.
    ui::Click(ui::FindControl(done, IDC_RUN_ZELKOVA_BUTTON));
    ASSERT_NE(nullptr, ui::WaitForWindow("Zelkova stand-in", nullptr));
    EXPECT_EQ("\"" + InFolder("Zelkova.exe") + "\"\r\n", FileText(InFolder("Zelkova.log")));
    // "View licence" opens license.txt with whatever opens text files; the
    // prefix has no viewer for them, so the stand-in plays that part.
    SetString(Classes, ".txt", "", "ZkTestText");
    SetString(Classes, "ZkTestText\\shell\\open\\command", "",
              ("\"" + InFolder("Zelkova.exe") + "\" \"%1\"").c_str());
    ui::Click(ui::FindControl(done, IDC_LICENCE_BUTTON));
    EXPECT_TRUE(ui::WaitUntil(
        [] { return FileText(InFolder("Zelkova.log")).find("license.txt") != std::string::npos; },
        10000));
    EXPECT_NE(std::string::npos, FileText(InFolder("Zelkova.log")).find(InFolder("license.txt")));
    ui::Click(ui::FindControl(done, IDOK));
    ExpectExit();
    CoUninitialize();
}

TEST_F(SetupEndToEnd, EscapeOnTheSetupDialogChangesNothing) {
    Stage(false);
    Start("/setup");
    HWND setup = WaitForDialog(program.id, IDC_CONTEXT_ITEMS_BUTTON);
    ASSERT_NE(nullptr, setup);
    ui::PressKey(setup, VK_ESCAPE);
    ExpectExit();
    EXPECT_FALSE(KeyExists(User, "Software\\Zelkova"));
    EXPECT_EQ("CompressedFolder", Value(Classes, ".zip", ""));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, UninstallKey));
    EXPECT_FALSE(KeyExists(Classes, "Zelkova"));
}

TEST_F(SetupEndToEnd, SilentSetupShowsNothingAndAppliesTheSavedChoices) {
    Stage(false);
    SetDword(User, "Software\\Zelkova\\Setup\\.cab", "Set", 0);
    SetDword(User, "Software\\Zelkova\\Setup\\Links", "Desktop", 1);
    SetDword(User, "Software\\Zelkova\\Setup\\Links", "Programs", 0);

    // A bare process start of the same program ("/clean" does nothing) for comparison.
    auto start = std::chrono::steady_clock::now();
    Start("/clean");
    ExpectExit();
    ui::EndProcess(program);
    double bare = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    start = std::chrono::steady_clock::now();
    Start("/setup /s");
    bool sawWindow = false;
    ui::WaitUntil(
        [&] {
            for (HWND window : ui::ProcessWindows(program.id))
                sawWindow |= IsWindowVisible(window) != 0;
            return WaitForSingleObject(program.handle, 0) == WAIT_OBJECT_0;
        },
        20000);
    ExpectExit();
    double silent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("wall time: uninstall.exe /setup /s %.3f s, uninstall.exe /clean %.3f s\n", silent,
           bare);
    RecordProperty("silent_setup_ms", static_cast<int>(silent * 1000));
    RecordProperty("bare_start_ms", static_cast<int>(bare * 1000));

    EXPECT_FALSE(sawWindow);
    EXPECT_EQ("CabFolder", Value(Classes, ".cab", ""));
    EXPECT_EQ("Zelkova.ZIP", Value(Classes, ".zip", ""));
    EXPECT_EQ("DiscImage", Value(Classes, ".iso", ""));
    EXPECT_TRUE(
        test_files::Exists(test_links::SpecialFolder(CSIDL_DESKTOPDIRECTORY) + "\\Zelkova.lnk"));
    EXPECT_EQ(1u, Dword(User, "Software\\Zelkova\\Setup\\.zkv", "Set")); // saved again
    EXPECT_EQ(0u, Dword(User, "Software\\Zelkova\\Setup\\.cab", "Set"));
}

TEST_F(SetupEndToEnd, EnglishLanguageLibraryDialogs) {
    Stage(true);
    Start("/setup");
    HWND setup = WaitForDialog(program.id, IDC_CONTEXT_ITEMS_BUTTON);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ("Zelkova Setup", ui::Text(setup));
    ui::SaveScreenshot(setup, "setup-setupdlg-en.png");
    ui::Click(ui::FindControl(setup, IDC_CONTEXT_ITEMS_BUTTON), ui::Delivery::Post);
    HWND items = WaitForDialog(program.id, IDC_EMAIL_ARCHIVE_BOX);
    ASSERT_NE(nullptr, items);
    ui::SaveScreenshot(items, "setup-contextitems-en.png");
    ui::PressKey(items, VK_ESCAPE);
    ASSERT_TRUE(ui::WaitUntil([&] { return !IsWindow(items); }, 5000));
    ui::Click(ui::FindControl(setup, IDOK), ui::Delivery::Post);
    HWND done = WaitForDialog(program.id, IDC_THANKS_TEXT, IDC_CONTEXT_ITEMS_BUTTON);
    ASSERT_NE(nullptr, done);
    ui::SaveScreenshot(done, "setup-donedlg-en.png");
    ui::Click(ui::FindControl(done, IDOK));
    ExpectExit();
}
} // namespace
