#include "forms/form.h"
#include "forms/control.h"
#include "forms/control_dispatch.h"
#include "forms/timer.h"
#include "forms/twips.h"

namespace {

const char kFormClass[] = "ZkForm";

Form* FormOf(HWND hwnd) {
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

// Read once; a plain variable rather than a function-local static, whose
// thread-safe initialisation would pull the C++ runtime's guard code in.
int screenDpi = 0;

int ScreenDpi() {
    if (!screenDpi) {
        HDC dc = GetDC(nullptr);
        screenDpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        if (screenDpi <= 0) screenDpi = 96;
    }
    return screenDpi;
}

void MoveFocus(HWND hwnd, WPARAM wParam, LPARAM lParam) {
    HWND target =
        lParam ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
    if (target) SetFocus(target);
}

// The control that had the focus when the window was deactivated, else the
// first in tab order; null when there is none.
HWND ControlToFocus(Form* form) {
    HWND last = form->lastFocus;
    if (last && IsChild(form->hwnd, last) && IsWindowVisible(last) && IsWindowEnabled(last))
        return last;
    return GetNextDlgTabItem(form->hwnd, nullptr, FALSE);
}

void ClickButton(Control* button) {
    if (button && button->click && IsWindowEnabled(button->hwnd)) button->click(button);
}

LRESULT OnCommand(Form* form, WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    HWND child = reinterpret_cast<HWND>(lParam);
    if (child) return ControlCommand(form, child, HIWORD(wParam));
    // Enter and Esc arrive from the dialog keyboard handling as IDOK/IDCANCEL.
    if (id == IDOK) {
        if (!form->defaultButton) ControlEnter(form, GetFocus());
        ClickButton(form->defaultButton);
    } else if (id == IDCANCEL) {
        ClickButton(form->cancelButton);
    } else if (form->events.command) {
        form->events.command(form, id);
    }
    return 0;
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Form* form = FormOf(hwnd);
    if (!form) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_COMMAND:
        return OnCommand(form, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush =
                ControlColors(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        DrawShapes(form, dc);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_TIMER:
        if (wParam >= 1 && wParam <= static_cast<WPARAM>(form->timerCount)) {
            Timer* timer = form->timers[wParam - 1];
            if (timer->tick) timer->tick(form);
        }
        return 0;
    case WM_SIZE:
        if (form->events.resize) form->events.resize(form);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus)) form->lastFocus = focus;
        } else if (!HIWORD(wParam)) { // not while minimised
            if (HWND control = ControlToFocus(form)) {
                SetFocus(control);
                return 0;
            }
        }
        break;
    case DM_GETDEFID:
        if (form->defaultButton)
            return MAKELRESULT(GetDlgCtrlID(form->defaultButton->hwnd), DC_HASDEFID);
        return 0;
    case WM_NEXTDLGCTL:
        MoveFocus(hwnd, wParam, lParam);
        return 0;
    case WM_CLOSE:
        FormUnload(form);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterFormClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, kFormClass, &windowClass)) return true;
    windowClass.lpfnWndProc = FormProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kFormClass;
    return RegisterClassA(&windowClass) != 0;
}

HFONT CreateFormFont(const Form* form) {
    int height = -MulDiv(form->fontPointsX100, ScreenDpi(), 7200);
    return CreateFontA(height, 0, 0, 0, form->fontBold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, form->fontName);
}

int ShowCommand(int state) {
    return state == kStateMinimised   ? SW_SHOWMINIMIZED
           : state == kStateMaximised ? SW_SHOWMAXIMIZED
                                      : SW_SHOWNORMAL;
}

} // namespace

COLORREF ResolveColor(COLORREF color) {
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFFu)) : color;
}

int TwipsToScreenPixels(int twips) {
    return TwipsToPixels(twips, ScreenDpi());
}

bool FormCreate(Form* form, HINSTANCE instance) {
    if (!RegisterFormClass(instance)) return false;
    RECT outer = {0, 0, TwipsToScreenPixels(form->clientWidth),
                  TwipsToScreenPixels(form->clientHeight)};
    AdjustWindowRect(&outer, form->style, FALSE);
    form->backBrush = CreateSolidBrush(ResolveColor(form->backColor));
    form->font = CreateFormFont(form);
    form->hwnd = CreateWindowExA(0, kFormClass, form->caption, form->style | WS_CLIPCHILDREN,
                                 CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                                 outer.bottom - outer.top, nullptr, nullptr, instance, form);
    if (!form->hwnd) return false;
    SetClassLongPtrA(form->hwnd, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(form->backBrush));
    if (form->iconId) {
        LPCSTR name = MAKEINTRESOURCEA(form->iconId);
        form->icon =
            static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                          GetSystemMetrics(SM_CYICON), 0));
        form->smallIcon =
            static_cast<HICON>(LoadImageA(instance, name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), 0));
        SendMessageA(form->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(form->icon));
        SendMessageA(form->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(form->smallIcon));
    }
    return true;
}

int FormRun(Form* form) {
    if (form->events.load) form->events.load(form);
    if (form->unloaded) return 0;
    ShowWindow(form->hwnd, ShowCommand(form->startState));
    if (HWND first = ControlToFocus(form)) SetFocus(first);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (form->hwnd && IsDialogMessageA(form->hwnd, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void FormUnload(Form* form) {
    if (form->unloaded) return;
    form->unloaded = true;
    if (form->events.unload) form->events.unload(form);
    for (int i = 0; i < form->timerCount; ++i)
        KillTimer(form->hwnd, form->timers[i]->id);
    DestroyWindow(form->hwnd);
    form->hwnd = nullptr;
    for (int i = 0; i < form->controlCount; ++i) {
        if (form->controls[i]->backBrush) DeleteObject(form->controls[i]->backBrush);
        form->controls[i]->backBrush = nullptr;
        form->controls[i]->hwnd = nullptr;
    }
    if (form->font) DeleteObject(form->font);
    if (form->backBrush) DeleteObject(form->backBrush);
    form->font = nullptr;
    form->backBrush = nullptr;
}

int FormGetWindowState(const Form* form) {
    if (!form->hwnd || !IsWindowVisible(form->hwnd)) return form->startState;
    if (IsIconic(form->hwnd)) return kStateMinimised;
    if (IsZoomed(form->hwnd)) return kStateMaximised;
    return kStateNormal;
}

void FormSetWindowState(Form* form, int state) {
    if (!form->hwnd || !IsWindowVisible(form->hwnd)) {
        form->startState = state;
        return;
    }
    if (state == kStateMinimised || state == kStateMaximised) {
        ShowWindow(form->hwnd, state == kStateMinimised ? SW_MINIMIZE : SW_MAXIMIZE);
        return;
    }
    // A window that was maximised before it was minimised comes back
    // maximised from the first restore; the second makes it normal.
    ShowWindow(form->hwnd, SW_RESTORE);
    if (IsZoomed(form->hwnd)) ShowWindow(form->hwnd, SW_RESTORE);
}

void FormSetOuterSize(Form* form, int width, int height) {
    SetWindowPos(form->hwnd, nullptr, 0, 0, TwipsToScreenPixels(width), TwipsToScreenPixels(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormSetMenu(Form* form, HMENU menu) {
    SetMenu(form->hwnd, menu);
}

void FormActivate(Form* form) {
    SetForegroundWindow(form->hwnd);
    SetActiveWindow(form->hwnd);
}
