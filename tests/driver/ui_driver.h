#pragma once
// UI driver for end-to-end tests: drives the real programs' windows from a
// GoogleTest program that runs under Wine.
//
//   std::string line = "\"" + ui::ArgumentPath(1) + "\" /setup";
//   ui::Process p = ui::StartProcess(line.c_str(), folder);            // start
//   HWND dlg = ui::WaitForWindow("Setup", ui::kDialogClass, p.id);     // wait
//   ui::TypeText(ui::FindControl(dlg, IDC_FOLDER), "F:\\aa");          // act
//   EXPECT_EQ(BST_CHECKED, ui::CheckState(ui::FindControl(dlg, IDC_LINK))); // read
//   ui::SaveScreenshot(dlg, "setup.png");                              // look
//   ui::Click(ui::FindControl(dlg, IDOK), ui::Delivery::Post);         // opens a box
//   HWND box = ui::WaitForWindow("Caption", ui::kDialogClass, p.id);   // by its caption:
//   EXPECT_EQ("...", ui::MessageBoxText(box));                         // dlg is visible too
//   ui::AnswerMessageBox(box, IDYES);
//   DWORD code;
//   ASSERT_TRUE(ui::WaitForExit(p.handle, 10000, &code));
//   ui::EndProcess(p);                                                 // in TearDown
//
// Texts are in the system code page (936 under the test runner), as the
// programs see them; test sources are UTF-8, so compare through Utf8/Ansi:
//   EXPECT_EQ("确定", ui::Utf8(ui::Text(button)));
//
// Every function returns a failure (nullptr, false, "", -1) instead of
// crashing or hanging when a window is gone or does not answer. Messages to
// another program's windows are sent with a timeout of kSendTimeoutMs.
// Enabled/visible state and rectangles need no wrapper: IsWindowEnabled,
// IsWindowVisible, GetWindowRect and GetClientRect work across processes.
#include <windows.h>
#include <string>
#include <vector>

namespace ui {

const DWORD kFindTimeoutMs = 10000;
const DWORD kSendTimeoutMs = 5000;
const char* const kDialogClass = "#32770"; // dialogs and message boxes
const int kMessageBoxTextId = 0xFFFF;      // the static text of a standard message box

// --- Text ---------------------------------------------------------------------
// Text of the system code page as UTF-8, and back.
std::string Utf8(const std::string& ansi);
std::string Ansi(const std::string& utf8);

// --- Paths and processes ---------------------------------------------------
// "/a/b" as "Z:\a\b"; "" unless unixPath starts with '/'.
std::string WindowsPath(const char* unixPath);
// The test program's command-line argument (1 = first), a Unix path, as a
// Windows path; "" when absent. Build paths reach tests this way (ARGS).
std::string ArgumentPath(int index);

struct Process {
    HANDLE handle; // nullptr when the start failed
    DWORD id;
};
// Starts commandLine in folder (nullptr: the test's current folder).
Process StartProcess(const char* commandLine, const char* folder);
// True when the process ended within timeoutMs; its exit code goes to exitCode.
bool WaitForExit(HANDLE process, DWORD timeoutMs, DWORD* exitCode);
// Terminates the process if it still runs and closes its handle.
void EndProcess(Process& process);
// Ends every running process whose program file is named exeName (any case)
// and, when parent is not 0, that this parent started: stand-ins that a
// program under test launched on its own.
void EndProcessesNamed(const char* exeName, DWORD parent = 0);

// --- Finding ---------------------------------------------------------------
// Polls condition every 20 ms until it is true (true) or timeoutMs passed (false).
template <class Condition> bool WaitUntil(Condition condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
}
// A visible top-level window whose title and class equal the given ones
// exactly (nullptr: any), of process processId (0: any); waits up to
// timeoutMs for it to appear. nullptr when none did.
HWND WaitForWindow(const char* title, const char* className, DWORD processId = 0,
                   DWORD timeoutMs = kFindTimeoutMs);
// Every top-level window of the process, visible or not.
std::vector<HWND> ProcessWindows(DWORD processId);
// The first descendant of parent (at any depth) whose control id equals id in
// its low 16 bits, as WM_COMMAND reports it; nullptr when there is none.
HWND FindControl(HWND parent, int id);

// --- Reading ---------------------------------------------------------------
// Text of a window or control (WM_GETTEXT).
std::string Text(HWND window);
// BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE; -1 on failure.
int CheckState(HWND button);
// Items of a combo box or list box, in their order.
std::vector<std::string> ListItems(HWND list);
// Index of the current item of a combo box or single-selection list box; -1 for none.
int ListSelection(HWND list);
// The controls of window (its child windows) but except that do not lie
// wholly inside its client area, as "id \"text\" " each; "" when all do,
// "no controls" when it has none.
std::string ControlsOutside(HWND window, HWND except = nullptr);

// --- Acting ----------------------------------------------------------------
// Send waits until the target has handled the action (up to kSendTimeoutMs),
// so its effect can be read at once. Post returns at once: use it when the
// action opens a modal dialog or message box, then wait for that window.
enum class Delivery { Send, Post };
// BM_CLICK, as a user's click. Refused (false) when the button is disabled or hidden.
bool Click(HWND button, Delivery how = Delivery::Send);
// WM_COMMAND with id and notification code 0, as a menu item or accelerator sends it.
bool Command(HWND window, int id, Delivery how = Delivery::Send);
// Makes item index current in a combo box or list box, then tells the parent
// with CBN_SELCHANGE / LBN_SELCHANGE, as a user's choice does.
bool SelectItem(HWND list, int index, Delivery how = Delivery::Send);
// The same for the first item whose text equals text exactly; false when none does.
bool SelectItem(HWND list, const char* text, Delivery how = Delivery::Send);
// Posts WM_LBUTTONDOWN and WM_LBUTTONUP at client point (x, y).
bool ClickAt(HWND window, int x, int y);
// Replaces the whole text of an edit control as typing would: the control's
// length limit applies and the parent gets EN_CHANGE (EM_SETSEL + EM_REPLACESEL).
bool TypeText(HWND edit, const char* text);
// Posts WM_KEYDOWN and WM_KEYUP of virtual key vk to window, through its
// message loop: in a dialog, IsDialogMessage turns VK_RETURN into the default
// button (else IDOK) and VK_ESCAPE into IDCANCEL, exactly as for a user.
// True when the key-down arrived (the key-up may find the window closed).
bool PressKey(HWND window, UINT vk);

// --- Message boxes -----------------------------------------------------------
// The message of a standard message box (its static text kMessageBoxTextId);
// its caption is Text(box).
std::string MessageBoxText(HWND box);
// Clicks the box's button IDOK, IDCANCEL, IDYES, IDNO...; false when the box
// has no such button.
bool AnswerMessageBox(HWND box, int buttonId);

// --- Screenshots -------------------------------------------------------------
// Brings window to the front and saves its client area, as the screen shows
// it, as the PNG file fileName in the folder $ZK_SHOT_DIR (a Unix path).
// Without a window manager nobody draws frames and captions, so they are left
// out. False on any failure.
bool SaveScreenshot(HWND window, const char* fileName);
// The screen's dots per inch, and a length in twips (1440 to the inch) in
// its pixels, rounded to nearest.
inline int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
inline int TwipsToPixels(int twips) {
    return (twips * ScreenDpi() + 720) / 1440;
}
// "base.png" at 96 dpi, "base-144dpi.png" at 144: a screenshot's file name
// for this screen.
std::string ShotName(const char* base);
// The screen's pixels in rect (screen coordinates) as 0x00RRGGBB, top row
// first, left to right; empty on failure.
std::vector<DWORD> ScreenPixels(const RECT& rect);
// A COLORREF (GetSysColor, RGB) as ScreenPixels gives it.
inline DWORD PixelOf(COLORREF color) {
    return static_cast<DWORD>(GetRValue(color)) << 16 | GetGValue(color) << 8 | GetBValue(color);
}

} // namespace ui
