#include "forms/input_box.h"

#include <cstring>

namespace {
// Control ids inside the box; IDOK and IDCANCEL are the buttons.
constexpr WORD kPromptId = 100;
constexpr WORD kFieldId = 101;

struct InputBoxCall {
    const char* prompt;
    const char* title;
    const char* defaultText;
    char* result;
    size_t resultSize;
};

// An in-memory dialog template: header, then one item per control, each
// DWORD-aligned. Template texts are UTF-16; the caller's ANSI texts are set
// at WM_INITDIALOG.
class DialogTemplate {
  public:
    DialogTemplate(DWORD style, short cx, short cy, WORD pointSize, const wchar_t* face) {
        DLGTEMPLATE* header = Reserve<DLGTEMPLATE>();
        header->style = style;
        header->cx = cx;
        header->cy = cy;
        *Reserve<WORD>() = 0; // no menu
        *Reserve<WORD>() = 0; // the standard dialog class
        *Reserve<WORD>() = 0; // empty title
        *Reserve<WORD>() = pointSize;
        AddText(face);
    }

    void Add(WORD id, WORD atomClass, const wchar_t* text, DWORD style, short x, short y, short cx,
             short cy) {
        Align();
        DLGITEMTEMPLATE* item = Reserve<DLGITEMTEMPLATE>();
        item->style = style | WS_CHILD | WS_VISIBLE;
        item->x = x;
        item->y = y;
        item->cx = cx;
        item->cy = cy;
        item->id = id;
        *Reserve<WORD>() = 0xFFFF; // class given as a predefined atom
        *Reserve<WORD>() = atomClass;
        AddText(text);
        *Reserve<WORD>() = 0; // no creation data
        ++reinterpret_cast<DLGTEMPLATE*>(buffer_)->cdit;
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(buffer_); }

  private:
    template <class T> T* Reserve() {
        T* at = reinterpret_cast<T*>(buffer_ + used_);
        used_ += sizeof(T);
        return at;
    }
    void AddText(const wchar_t* text) {
        for (const wchar_t* c = text;; ++c) {
            *Reserve<WORD>() = static_cast<WORD>(*c);
            if (*c == 0) break;
        }
    }
    void Align() { used_ = (used_ + 3) & ~size_t{3}; }

    alignas(DWORD) unsigned char buffer_[512] = {};
    size_t used_ = 0;
};

constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;

INT_PTR CALLBACK InputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        const InputBoxCall* call = reinterpret_cast<const InputBoxCall*>(lParam);
        SetWindowLongPtrA(box, DWLP_USER, lParam);
        SetWindowTextA(box, call->title);
        SetDlgItemTextA(box, kPromptId, call->prompt);
        HWND field = GetDlgItem(box, kFieldId);
        SendMessageA(field, EM_LIMITTEXT, call->resultSize - 1, 0);
        SetWindowTextA(field, call->defaultText);
        SendMessageA(field, EM_SETSEL, 0, -1);
        SetFocus(field);
        return FALSE; // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            const InputBoxCall* call =
                reinterpret_cast<const InputBoxCall*>(GetWindowLongPtrA(box, DWLP_USER));
            GetDlgItemTextA(box, kFieldId, call->result, static_cast<int>(call->resultSize));
            EndDialog(box, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(box, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
} // namespace

bool InputBox(HWND owner, const char* prompt, const char* title, const char* defaultText,
              char* result, size_t resultSize) {
    if (resultSize == 0) return false;
    result[0] = '\0';
    // 9-point "宋体", the face of the programs' Chinese texts; buttons "确定" and "取消".
    DialogTemplate dialog(DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION |
                              WS_SYSMENU,
                          244, 82, 9, L"\x5B8B\x4F53");
    dialog.Add(kPromptId, kStaticAtom, L"", SS_LEFT, 7, 7, 170, 48);
    dialog.Add(IDOK, kButtonAtom, L"\x786E\x5B9A", BS_DEFPUSHBUTTON | WS_TABSTOP, 186, 7, 50, 14);
    dialog.Add(IDCANCEL, kButtonAtom, L"\x53D6\x6D88", BS_PUSHBUTTON | WS_TABSTOP, 186, 25, 50, 14);
    dialog.Add(kFieldId, kEditAtom, L"", ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 61, 229, 13);
    InputBoxCall call = {prompt, title, defaultText, result, resultSize};
    const INT_PTR answer = DialogBoxIndirectParamA(GetModuleHandleA(nullptr), dialog.Get(), owner,
                                                   InputBoxProc, reinterpret_cast<LPARAM>(&call));
    if (answer != IDOK) {
        result[0] = '\0';
        return false;
    }
    return true;
}
