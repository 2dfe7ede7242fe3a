#include "forms/control.h"
#include "forms/control_dispatch.h"

#include <cstring>

namespace {

Control* ControlOf(HWND hwnd) {
    return hwnd ? reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

// The picture box: a plain child window that draws its bitmap. It is a tab
// stop; while it has the focus, arrow keys and characters stay with it, as
// with a picture box, instead of moving the focus on.
const char kPictureClass[] = "ZkPicture";

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) return DLGC_WANTARROWS | DLGC_WANTCHARS;
    Control* picture = ControlOf(hwnd);
    if (message == WM_PAINT && picture) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        if (picture->bitmap) {
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, picture->bitmap);
            BITMAP info;
            GetObjectA(picture->bitmap, sizeof info, &info);
            BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
        }
        EndPaint(hwnd, &paint);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterPictureClass(HINSTANCE instance) {
    WNDCLASSA windowClass{};
    if (GetClassInfoA(instance, kPictureClass, &windowClass)) return true;
    windowClass.lpfnWndProc = PictureProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPictureClass;
    return RegisterClassA(&windowClass) != 0;
}

DWORD LabelStyle(const Control* label) {
    DWORD style = SS_NOTIFY;
    if (label->alignment == kAlignCentre)
        style |= SS_CENTER;
    else
        style |= SS_LEFT;
    if (label->border) style |= WS_BORDER;
    return style;
}

// Window class and styles for each kind.
const char* ClassAndStyle(const Control* control, DWORD* style) {
    switch (control->kind) {
    case kLabel:
        *style = LabelStyle(control);
        return "STATIC";
    case kTextField:
        *style = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        return "EDIT";
    case kDropDown:
        *style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
        return "COMBOBOX";
    case kButton:
        *style = WS_TABSTOP | (control->isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        return "BUTTON";
    case kPicture:
        *style = WS_TABSTOP;
        return kPictureClass;
    case kShape:
        break;
    }
    return nullptr;
}

} // namespace

LRESULT ControlCommand(Form*, HWND child, int code) {
    Control* control = ControlOf(child);
    if (!control) return 0;
    switch (control->kind) {
    case kLabel:
        if (code == STN_CLICKED && control->click) control->click(control);
        break;
    case kButton:
        if (code == BN_CLICKED && control->click) control->click(control);
        break;
    case kDropDown:
        if (code == CBN_SELCHANGE && control->change) control->change(control);
        break;
    case kTextField:
        if (code == EN_CHANGE && control->change) control->change(control);
        if (code == EN_KILLFOCUS && control->validate) control->validate(control);
        break;
    case kPicture:
    case kShape:
        break;
    }
    return 0;
}

void ControlEnter(Form* form, HWND focus) {
    Control* control = focus && GetParent(focus) == form->hwnd ? ControlOf(focus) : nullptr;
    if (control && control->kind == kTextField && control->validate) control->validate(control);
}

HBRUSH ControlColors(HWND child, HDC dc) {
    Control* control = ControlOf(child);
    if (!control || control->kind != kLabel || !control->backBrush) return nullptr;
    SetTextColor(dc, ResolveColor(control->foreColor));
    SetBkColor(dc, ResolveColor(control->backColor));
    return control->backBrush;
}

void DrawShapes(Form* form, HDC dc) {
    for (int i = 0; i < form->controlCount; ++i) {
        const Control* shape = form->controls[i];
        if (shape->kind != kShape || !shape->visible) continue;
        HPEN pen = CreatePen(PS_SOLID, 1, ResolveColor(shape->foreColor));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        int left = TwipsToScreenPixels(shape->left), top = TwipsToScreenPixels(shape->top);
        Rectangle(dc, left, top, left + TwipsToScreenPixels(shape->width),
                  top + TwipsToScreenPixels(shape->height));
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}

bool FormAddControl(Form* form, Control* control) {
    if (form->controlCount >= kMaxFormControls) return false;
    control->form = form;
    if (control->kind != kShape) {
        HINSTANCE instance =
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(form->hwnd, GWLP_HINSTANCE));
        if (control->kind == kPicture && !RegisterPictureClass(instance)) return false;
        DWORD style = 0;
        const char* windowClass = ClassAndStyle(control, &style);
        style |= WS_CHILD | WS_CLIPSIBLINGS | (control->visible ? WS_VISIBLE : 0);
        // A drop-down list's height includes its open list.
        int height = TwipsToScreenPixels(control->height);
        if (control->kind == kDropDown) height *= 8;
        control->hwnd = CreateWindowExA(
            0, windowClass, control->text, style, TwipsToScreenPixels(control->left),
            TwipsToScreenPixels(control->top), TwipsToScreenPixels(control->width), height,
            form->hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + form->controlCount)),
            instance, nullptr);
        if (!control->hwnd) return false;
        SetWindowLongPtrA(control->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
        SendMessageA(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(form->font), FALSE);
        if (control->kind == kLabel)
            control->backBrush = CreateSolidBrush(ResolveColor(control->backColor));
    }
    if (control->kind == kButton && control->isDefault) form->defaultButton = control;
    if (control->kind == kButton && control->isCancel) form->cancelButton = control;
    form->controls[form->controlCount++] = control;
    return true;
}

void ControlGetText(const Control* control, char* buffer, int size) {
    if (size <= 0) return;
    buffer[0] = '\0';
    if (control->hwnd) GetWindowTextA(control->hwnd, buffer, size);
}

void ControlSetText(Control* control, const char* text) {
    if (!control->hwnd) return;
    bool notify = false;
    if (control->kind == kLabel && control->change) {
        char current[512];
        GetWindowTextA(control->hwnd, current, sizeof current);
        notify = std::strcmp(current, text) != 0;
    }
    SetWindowTextA(control->hwnd, text);
    if (notify) control->change(control);
}

void ControlSetVisible(Control* control, bool visible) {
    control->visible = visible;
    if (control->hwnd) {
        ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
    } else if (control->form && control->form->hwnd) {
        InvalidateRect(control->form->hwnd, nullptr, TRUE);
    }
}

void LabelSetBorder(Control* label, bool border) {
    label->border = border;
    if (!label->hwnd) return;
    LONG_PTR style = GetWindowLongPtrA(label->hwnd, GWL_STYLE);
    LONG_PTR wanted = border ? (style | WS_BORDER) : (style & ~static_cast<LONG_PTR>(WS_BORDER));
    if (wanted == style) return;
    SetWindowLongPtrA(label->hwnd, GWL_STYLE, wanted);
    SetWindowPos(label->hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    InvalidateRect(label->hwnd, nullptr, TRUE);
}

void ListAddItem(Control* list, const char* text) {
    SendMessageA(list->hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

int ListGetIndex(const Control* list) {
    return static_cast<int>(SendMessageA(list->hwnd, CB_GETCURSEL, 0, 0));
}

void ListSetIndex(Control* list, int index) {
    if (index == ListGetIndex(list)) return;
    SendMessageA(list->hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    if (list->change) list->change(list);
}
