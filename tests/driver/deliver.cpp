#include "tests/driver/deliver.h"

namespace ui {

bool SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    if (!IsWindow(window) || !SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                                                  kSendTimeoutMs, &answer))
        return false;
    if (result) *result = static_cast<LRESULT>(answer);
    return true;
}

bool Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery how) {
    if (how == Delivery::Post)
        return IsWindow(window) && PostMessageW(window, message, wParam, lParam);
    return SendTimed(window, message, wParam, lParam, nullptr);
}

namespace {
struct ListKind {
    const char* className;
    ListMessages messages;
};
const ListKind kListKinds[] = {
    {"ComboBox",
     {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_GETCURSEL, CB_SETCURSEL, CBN_SELCHANGE}},
    {"ListBox",
     {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL, LB_SETCURSEL, LBN_SELCHANGE}},
    {"ComboLBox", // the drop-down list of a combo box
     {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_GETCURSEL, LB_SETCURSEL, LBN_SELCHANGE}},
};
} // namespace

const ListMessages* ListMessagesOf(HWND list) {
    char className[64];
    if (!GetClassNameA(list, className, sizeof className)) return nullptr;
    for (const ListKind& kind : kListKinds)
        if (lstrcmpiA(className, kind.className) == 0) return &kind.messages;
    return nullptr;
}

} // namespace ui
