// DialogHook on real dialogs created from the program's own templates and
// from test templates (dialog_hook_wine_test.rc), with translation files.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "uninstall/localisation/dialog_hook.h"
#include "uninstall/localisation/ext_resource.h"
#include "tests/support/translation_table.h"
#include "tests/support/call_site.h"
#include "uninstall/res/resource_ids.h"

namespace {

const char* const SetupTitle =
    "Zelkova \xd6\xd0\xce\xc4\xb0\xe6\xb0\xb2\xd7\xb0"; // Zelkova 中文版安装
const char* const OkText = "\xc8\xb7\xb6\xa8";          // 确定
const char* const HelpText = "\xb0\xef\xd6\xfa";        // 帮助

const char* hookName = "";
int hookContext = 0;

INT_PTR CALLBACK HookedProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    DialogHook(dialog, message, wParam, hookContext, hookName);
    return message == WM_INITDIALOG;
}

std::string Text(HWND window) {
    char text[1024];
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A child's rectangle in its dialog's client coordinates.
RECT ChildRect(HWND dialog, HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Snapshot {
    RECT window, client;
    std::vector<RECT> children; // screen coordinates, in tab order
};

Snapshot Take(HWND dialog) {
    Snapshot s;
    GetWindowRect(dialog, &s.window);
    GetClientRect(dialog, &s.client);
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        RECT r;
        GetWindowRect(c, &r);
        s.children.push_back(r);
    }
    return s;
}

class Dialogs : public ::testing::Test {
  protected:
    std::vector<HWND> open;
    static void SetUpTestSuite() { ASSERT_NE(nullptr, LoadLibraryA("riched32.dll")); }
    void SetUp() override {
        ProgramModule = ResourceModule = GetModuleHandleA(nullptr);
        UnloadTranslations();
    }
    void TearDown() override {
        for (HWND d : open)
            DestroyWindow(d);
        UnloadTranslations();
    }
    HWND Open(const char* name, int context = 0, CallSite at = {}) {
        CalledFrom trace(at);
        hookName = name;
        hookContext = context;
        HWND dialog = CreateDialogParamA(ResourceModule, name, nullptr, HookedProc, 0);
        EXPECT_NE(nullptr, dialog) << name;
        open.push_back(dialog);
        return dialog;
    }
};

TEST_F(Dialogs, TheProgramsTemplatesOpenUnchangedWithoutATable) {
    HWND setup = Open("SETUPDLG", 268);
    EXPECT_EQ(SetupTitle, Text(setup));
    EXPECT_EQ(OkText, Text(GetDlgItem(setup, IDOK)));
    for (int id :
         {IDOK, IDHELP, IDC_SELECT_ALL_BUTTON, IDC_EXPLANATION_TEXT, IDC_CONTEXT_ITEMS_BUTTON})
        EXPECT_NE(nullptr, GetDlgItem(setup, id)) << id;
    for (int id = IDC_ZKV_BOX; id <= IDC_MENU_ICONS_BOX; id++)
        EXPECT_NE(nullptr, GetDlgItem(setup, id)) << id;
    char className[32];
    GetClassNameA(GetDlgItem(setup, IDC_EXPLANATION_TEXT), className, sizeof className);
    EXPECT_STREQ("RICHEDIT", className);
    EXPECT_EQ(0, strncmp("    ", Text(GetDlgItem(setup, IDC_EXPLANATION_TEXT)).c_str(), 4));
    HWND items = Open("CONTEXTITEMS", 310);
    for (int id = IDC_EXTRACT_FILES_BOX; id <= IDC_EMAIL_ARCHIVE_BOX; id++)
        EXPECT_NE(nullptr, GetDlgItem(items, id)) << id;
    HWND done = Open("DONEDLG");
    for (int id : {IDOK, IDC_FOLDER_TEXT, IDC_RUN_ZELKOVA_BUTTON, IDC_READ_HELP_BUTTON,
                   IDC_LICENCE_BUTTON, IDC_HOME_PAGE_BUTTON, IDC_THANKS_TEXT})
        EXPECT_NE(nullptr, GetDlgItem(done, id)) << id;
    EXPECT_EQ("", Text(GetDlgItem(done, IDC_FOLDER_TEXT)));
    EXPECT_EQ(0, GetWindowLongPtrA(setup, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

TEST_F(Dialogs, TitleAndNonEmptyControlTextsAreTranslatedInTheirSection) {
    Snapshot before = Take(Open("SETUPDLG", 268));
    LoadTranslations(Entry('$', "SETUPDLG", SetupTitle, "Setup!") +
                     Entry('$', "SETUPDLG", OkText, "OK!") +
                     Entry('s', nullptr, HelpText, "Help!") +
                     Entry('$', "SETUPDLG", "", "100*100") + // the scale entry keys the empty text
                     Entry('$', "DONEDLG", SetupTitle, "Done!"));
    HWND setup = Open("SETUPDLG", 268);
    EXPECT_EQ("Setup!", Text(setup));
    EXPECT_EQ("OK!", Text(GetDlgItem(setup, IDOK)));
    EXPECT_EQ(HelpText, Text(GetDlgItem(setup, IDHELP))); // a string-table key is not a dialog key
    int empty = 0;
    for (HWND c = GetWindow(setup, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        empty += Text(c).empty(); // empty texts are not looked up: no "100*100" here
    EXPECT_EQ(2, empty);          // the line and the frame around the text
    Snapshot after = Take(setup); // 100*100 does not resize
    EXPECT_EQ(before.window.right - before.window.left, after.window.right - after.window.left);
    EXPECT_EQ(before.window.bottom - before.window.top, after.window.bottom - after.window.top);
    HWND done = Open("DONEDLG");
    EXPECT_EQ("Done!", Text(done));
    EXPECT_EQ("\xcd\xea\xb3\xc9", Text(GetDlgItem(done, IDOK))); // 完成: no entry in its section
}

// The translators' tool reads the dialog texts from the program's file and
// computes their keys without Windows; every text of the created dialogs
// must find its entry in the template it makes.
TEST_F(Dialogs, TheTranslatorsTemplateHasAnEntryForEveryDialogText) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *strrchr(path, '\\') = '\0';
    FILE* f = fopen((std::string(path) + "\\..\\..\\tools\\zkvlng\\uninstall-template.lng").c_str(),
                    "rb");
    ASSERT_NE(nullptr, f);
    std::string entries;
    char line[2048];
    while (fgets(line, sizeof line, f)) {
        // Each translation becomes "#" and its key; the scales stay 100*100.
        const std::string key(line, 8);
        if (strlen(line) > 10 && line[8] == '=' && line[9] == '"' && !strstr(line, "\"100*100\""))
            entries += key + "=\"#" + key + "\"\r\n";
    }
    fclose(f);
    LoadTranslations(entries);
    for (const char* name : {"SETUPDLG", "DONEDLG", "CONTEXTITEMS"}) {
        HWND dialog = Open(name);
        EXPECT_EQ('#', Text(dialog)[0]) << name << " title";
        int translated = 0;
        for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const std::string text = Text(c);
            EXPECT_TRUE(text.empty() || text[0] == '#') << name << ": " << text;
            translated += !text.empty();
        }
        EXPECT_LT(0, translated) << name;
    }
}

TEST_F(Dialogs, Scale120By100FollowsTheIntegerArithmetic) {
    Snapshot ref = Take(Open("SETUPDLG", 268));
    LoadTranslations(Entry('$', "SETUPDLG", "", "120*100"));
    HWND setup = Open("SETUPDLG", 268);
    Snapshot now = Take(setup);

    int frameX = (ref.window.right - ref.window.left + 1) - ref.client.right;
    int frameY = (ref.window.bottom - ref.window.top + 1) - ref.client.bottom;
    EXPECT_EQ(ref.client.right * 120 / 100 + frameX, now.window.right - now.window.left);
    EXPECT_EQ(ref.client.bottom + frameY, now.window.bottom - now.window.top);
    EXPECT_EQ(ref.window.left, now.window.left); // not moved
    EXPECT_EQ(ref.window.top, now.window.top);

    int topOffset = frameY - GetSystemMetrics(SM_CYDLGFRAME);
    ASSERT_EQ(ref.children.size(), now.children.size());
    int n = 0;
    for (HWND c = GetWindow(setup, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT), n++) {
        const RECT& r = ref.children[n];
        RECT got = ChildRect(setup, c);
        EXPECT_EQ((r.left - ref.window.left - frameX / 2) * 120 / 100, got.left) << n;
        EXPECT_EQ(r.top - ref.window.top - topOffset, got.top) << n;
        EXPECT_EQ((r.right - r.left + 1) * 120 / 100, got.right - got.left) << n;
        EXPECT_EQ(r.bottom - r.top + 1, got.bottom - got.top) << n; // one pixel taller
    }
}

// The dropped-down rectangle of a dialog's combo box.
RECT Dropped(HWND dialog, int id) {
    RECT r;
    SendMessageA(GetDlgItem(dialog, id), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

TEST_F(Dialogs, DropDownCombosKeepAScaledListHeight) {
    HWND ref = Open("COMBOTEST");
    HWND model = Open("COMBOTEST");
    LoadTranslations(Entry('$', "COMBOTEST", "", "100*150"));
    HWND dialog = Open("COMBOTEST");
    for (int id : {201, 202}) { // drop-down list and drop-down
        RECT closed, drop = Dropped(ref, id);
        GetWindowRect(GetDlgItem(ref, id), &closed);
        // The height the combo must be given: its own and its list's, both
        // scaled. How the system splits that is its business, so the same
        // call on an unscaled dialog gives the expected list.
        int height =
            (closed.bottom - closed.top + 1) * 150 / 100 + (drop.bottom - drop.top + 1) * 150 / 100;
        SetWindowPos(GetDlgItem(model, id), nullptr, 0, 0, closed.right - closed.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER);
        RECT expected = Dropped(model, id), got = Dropped(dialog, id);
        EXPECT_EQ(expected.bottom - expected.top, got.bottom - got.top) << id;
        EXPECT_GT(got.bottom - got.top, drop.bottom - drop.top) << id;
    }
    RECT simple, scaledSimple; // a simple combo box is scaled like any control
    GetWindowRect(GetDlgItem(ref, 203), &simple);
    GetWindowRect(GetDlgItem(dialog, 203), &scaledSimple);
    EXPECT_EQ((simple.bottom - simple.top + 1) * 150 / 100, scaledSimple.bottom - scaledSimple.top);
}

TEST_F(Dialogs, RightToLeftFromTheTableOrALibraryWithAnRtlDialog) {
    LoadTranslations(Entry('$', "LTR", "LTR", "RTL"));
    EXPECT_NE(0, GetWindowLongPtrA(Open("DONEDLG"), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    LoadTranslations(Entry('$', "LTR", "LTR", "rtl")); // case matters
    EXPECT_EQ(0, GetWindowLongPtrA(Open("DONEDLG"), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
    // This test program carries a dialog named "RTL", as a library may.
    Translations.Load("C:\\zk-no-such-folder\\none.lng");
    EXPECT_TRUE(Translations.rtl);
    EXPECT_NE(0, GetWindowLongPtrA(Open("CONTEXTITEMS", 310), GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
}

// Right to left and a scale entry together: every control is where the
// scaled left-to-right dialog has it, mirrored, inside its dialog.
TEST_F(Dialogs, RightToLeftWithAScaleMirrorsTheScaledLayout) {
    const std::string scales =
        Entry('$', "SETUPDLG", "", "115*100") + Entry('$', "DONEDLG", "", "115*105");
    for (const auto& dialog : {std::make_pair("SETUPDLG", 268), std::make_pair("DONEDLG", 0)}) {
        LoadTranslations(scales);
        HWND ltr = Open(dialog.first, dialog.second);
        LoadTranslations(scales + Entry('$', "LTR", "LTR", "RTL"));
        HWND rtl = Open(dialog.first, dialog.second);
        ASSERT_NE(0, GetWindowLongPtrA(rtl, GWL_EXSTYLE) & WS_EX_LAYOUTRTL);
        RECT client; // the same for both
        GetClientRect(rtl, &client);
        int n = 0;
        for (HWND a = GetWindow(ltr, GW_CHILD), b = GetWindow(rtl, GW_CHILD); a && b;
             a = GetWindow(a, GW_HWNDNEXT), b = GetWindow(b, GW_HWNDNEXT), ++n) {
            SCOPED_TRACE(std::string(dialog.first) + " control " + std::to_string(n));
            RECT l, r; // in each dialog's own client coordinates, mirrored in rtl
            GetWindowRect(a, &l);
            GetWindowRect(b, &r);
            MapWindowPoints(nullptr, ltr, reinterpret_cast<POINT*>(&l), 2);
            MapWindowPoints(nullptr, rtl, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(std::make_pair(l.left, l.right), std::make_pair(r.left, r.right));
            EXPECT_GE(r.left, 0);
            EXPECT_LE(r.right, client.right);
        }
        EXPECT_GT(n, 3) << dialog.first;
    }
}

// Stands in for the help program: WinHelp hands its request to the window
// of class "MS_WINHELP" as WM_COPYDATA.
struct HelpRequest {
    int count = 0;
    WORD command = 0;
    LONG context = 0;
    std::string file;
} help;

#pragma pack(push, 1)
struct WinHelpData { // the block WinHelp sends
    WORD size, command;
    LONG data, reserved;
    WORD fileOffset, dataOffset;
};
#pragma pack(pop)

LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_COPYDATA) return DefWindowProcA(window, message, wParam, lParam);
    auto* copy = reinterpret_cast<COPYDATASTRUCT*>(lParam);
    auto* data = static_cast<WinHelpData*>(copy->lpData);
    help.count++;
    help.command = data->command;
    help.context = data->data;
    help.file = reinterpret_cast<const char*>(data) + data->fileOffset;
    return TRUE;
}

TEST_F(Dialogs, HelpOpensOnlyForDialogsWithAHelpContext) {
    WNDCLASSA helpClass{};
    helpClass.lpfnWndProc = HelpProc;
    helpClass.hInstance = GetModuleHandleA(nullptr);
    helpClass.lpszClassName = "MS_WINHELP";
    ASSERT_NE(0, RegisterClassA(&helpClass));
    HWND helpWindow = CreateWindowA("MS_WINHELP", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, helpWindow);

    HWND done = Open("DONEDLG");
    SendMessageA(done, WM_HELP, 0, 0);
    SendMessageA(done, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    EXPECT_EQ(0, help.count);

    HWND setup = Open("SETUPDLG", 268);
    SendMessageA(setup, WM_COMMAND, MAKEWPARAM(IDHELP, BN_CLICKED), 0);
    EXPECT_EQ(1, help.count);
    EXPECT_EQ(HELP_CONTEXT, help.command);
    EXPECT_EQ(268, help.context);
    EXPECT_EQ("zelkova.hlp", help.file);
    SendMessageA(setup, WM_HELP, 0, 0);
    EXPECT_EQ(2, help.count);
    SendMessageA(setup, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); // other buttons: no help
    EXPECT_EQ(2, help.count);
    DestroyWindow(helpWindow);
}

} // namespace
