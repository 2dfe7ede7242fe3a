#include "tests/driver/deliver.h"

namespace ui {

bool Click(HWND button, Delivery how) {
    if (!IsWindowEnabled(button) || !IsWindowVisible(button)) return false;
    return Deliver(button, BM_CLICK, 0, 0, how);
}

bool Command(HWND window, int id, Delivery how) {
    return Deliver(window, WM_COMMAND, MAKEWPARAM(id, 0), 0, how);
}

bool SelectItem(HWND list, int index, Delivery how) {
    const ListMessages* messages = ListMessagesOf(list);
    LRESULT result = 0;
    if (!messages || !SendTimed(list, messages->select, static_cast<WPARAM>(index), 0, &result) ||
        result != index)
        return false;
    WPARAM notification = MAKEWPARAM(GetDlgCtrlID(list), messages->changed);
    return Deliver(GetParent(list), WM_COMMAND, notification, reinterpret_cast<LPARAM>(list), how);
}

bool SelectItem(HWND list, const char* text, Delivery how) {
    if (!text) return false;
    std::vector<std::string> items = ListItems(list);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == text) return SelectItem(list, static_cast<int>(i), how);
    return false;
}

bool ClickAt(HWND window, int x, int y) {
    LPARAM point = MAKELPARAM(x, y);
    return Deliver(window, WM_LBUTTONDOWN, MK_LBUTTON, point, Delivery::Post) &&
           Deliver(window, WM_LBUTTONUP, 0, point, Delivery::Post);
}

bool TypeText(HWND edit, const char* text) {
    if (!text) return false;
    std::wstring wide = Wide(text, CP_ACP);
    return SendTimed(edit, EM_SETSEL, 0, -1, nullptr) &&
           SendTimed(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()), nullptr);
}

bool PressKey(HWND window, UINT vk) {
    UINT scan = MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */);
    LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
    LPARAM up = down | 0xC0000000L; // previous state down, transition up
    if (!Deliver(window, WM_KEYDOWN, vk, down, Delivery::Post)) return false;
    // The key-down may already have closed the window (Enter, Esc); then
    // there is nobody left to receive the key-up, and that is no failure.
    return Deliver(window, WM_KEYUP, vk, up, Delivery::Post) || !IsWindow(window);
}

} // namespace ui
