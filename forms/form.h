#pragma once
// A top-level window ("form") with child controls, timers and an optional menu
// bar. The program fills in the public fields, calls FormCreate, adds its
// controls and timers, and then FormRun shows the window and runs the message
// loop until the window is unloaded.
//
// Event handlers are plain function pointers; a null pointer means "no
// handler". The window procedure keeps the Form* in GWLP_USERDATA, so a module
// may replace the procedure with SetWindowLongPtrA(GWLP_WNDPROC) and pass what
// it does not handle on with CallWindowProcA: the form keeps working.
//
// Commands: WM_COMMAND from a control goes to that control's handler; every
// other WM_COMMAND (menu items, popup menus, accelerators) goes to
// events.command with the item id. Menu item ids must be 100 or above and
// below kFirstControlId (1 and 2 are Enter's and Esc's).
#include <windows.h>

struct Control;
struct Timer;
struct Form;

typedef void (*FormHandler)(Form* form);
typedef void (*FormCommandHandler)(Form* form, int id);

struct FormEvents {
    FormHandler load;           // once, by FormRun, before the window is shown
    FormHandler unload;         // once, by FormUnload, while the window still exists
    FormHandler resize;         // WM_SIZE: after every change of size or window state
    FormCommandHandler command; // menu and other non-control commands
};

// Window states.
enum WindowState { kStateNormal = 0, kStateMinimised = 1, kStateMaximised = 2 };

constexpr int kMaxFormControls = 48;
constexpr int kMaxFormTimers = 4;
constexpr int kFirstControlId = 1000;

// A colour value: either an RGB() COLORREF or SystemColor(COLOR_...), which
// is looked up when drawn.
constexpr COLORREF SystemColor(int index) {
    return 0x80000000u | static_cast<COLORREF>(index);
}
COLORREF ResolveColor(COLORREF color);

struct Form {
    // Filled in by the program before FormCreate.
    const char* caption = "";
    int clientWidth = 0;  // twips
    int clientHeight = 0; // twips
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    COLORREF backColor = SystemColor(COLOR_BTNFACE);
    int iconId = 0; // resource id of the window icon, 0 for none
    const char* fontName = "MS Sans Serif";
    int fontPointsX100 = 825; // 8.25 point
    bool fontBold = false;
    int startState = kStateNormal; // window state when FormRun shows it
    FormEvents events{};

    // Set by FormCreate and the Add functions.
    HWND hwnd = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HFONT font = nullptr;
    HBRUSH backBrush = nullptr;
    Control* controls[kMaxFormControls] = {};
    int controlCount = 0;
    Timer* timers[kMaxFormTimers] = {};
    int timerCount = 0;
    Control* defaultButton = nullptr; // clicked by Enter
    Control* cancelButton = nullptr;  // clicked by Esc
    bool unloaded = false;
    HWND lastFocus = nullptr; // the control that had the focus when the window was deactivated
};

// Creates the hidden window with the caption, icon, font and client size.
bool FormCreate(Form* form, HINSTANCE instance);
// Runs the load handler, shows the window in its start state, gives the focus
// to the first control in tab order and runs the message loop (Tab, access
// keys, Enter and Esc work as in a dialog; as in a dialog, the control that
// had the focus gets it back when the window is activated again). Returns
// when the window is gone.
int FormRun(Form* form);
// Runs the unload handler and destroys the window; the message loop of
// FormRun then ends. Closing the window from its frame does the same.
void FormUnload(Form* form);

// 0 normal, 1 minimised, 2 maximised. Before the window is shown these read
// and change the state it will be shown in.
int FormGetWindowState(const Form* form);
void FormSetWindowState(Form* form, int state);

// Sets the outer size of the window (border, caption and menu bar included), in twips.
void FormSetOuterSize(Form* form, int width, int height);

// Attaches a menu bar (null removes it); the form does not own the menu.
void FormSetMenu(Form* form, HMENU menu);

// Brings the window to the front and gives it the keyboard focus.
void FormActivate(Form* form);

// Pixels for a length in twips at this screen's resolution.
int TwipsToScreenPixels(int twips);
