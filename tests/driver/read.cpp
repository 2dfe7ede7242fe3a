#include "tests/driver/deliver.h"

namespace ui {

namespace {
// Reads text of the length that lengthMessage reports with textMessage
// (wParam: item index, or the buffer size when item is -1).
std::string ReadText(HWND window, UINT lengthMessage, UINT textMessage, int item) {
    LRESULT length = 0;
    WPARAM which = static_cast<WPARAM>(item);
    if (!SendTimed(window, lengthMessage, item < 0 ? 0 : which, 0, &length) || length < 0)
        return "";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!SendTimed(window, textMessage, item < 0 ? text.size() : which,
                   reinterpret_cast<LPARAM>(&text[0]), &copied) ||
        copied < 0)
        return "";
    text.resize(static_cast<size_t>(copied) < text.size() ? static_cast<size_t>(copied) : 0);
    return Narrow(text, CP_ACP);
}
} // namespace

std::string Text(HWND window) {
    return ReadText(window, WM_GETTEXTLENGTH, WM_GETTEXT, -1);
}

int CheckState(HWND button) {
    LRESULT state = -1;
    return SendTimed(button, BM_GETCHECK, 0, 0, &state) ? static_cast<int>(state) : -1;
}

std::vector<std::string> ListItems(HWND list) {
    std::vector<std::string> items;
    const ListMessages* messages = ListMessagesOf(list);
    LRESULT count = 0;
    if (!messages || !SendTimed(list, messages->count, 0, 0, &count)) return items;
    for (int i = 0; i < count; ++i)
        items.push_back(ReadText(list, messages->textLength, messages->text, i));
    return items;
}

int ListSelection(HWND list) {
    const ListMessages* messages = ListMessagesOf(list);
    LRESULT current = -1;
    if (!messages || !SendTimed(list, messages->current, 0, 0, &current)) return -1;
    return static_cast<int>(current);
}

std::string ControlsOutside(HWND window, HWND except) {
    RECT client;
    if (!GetClientRect(window, &client)) return "no window";
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    HWND control = GetWindow(window, GW_CHILD);
    std::string outside = control ? "" : "no controls";
    for (; control; control = GetWindow(control, GW_HWNDNEXT)) {
        RECT place, both;
        GetWindowRect(control, &place);
        IntersectRect(&both, &place, &client);
        if (control != except && !EqualRect(&both, &place))
            outside += std::to_string(GetDlgCtrlID(control)) + " \"" + Utf8(Text(control)) + "\" ";
    }
    return outside;
}

} // namespace ui
