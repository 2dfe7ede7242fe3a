#pragma once
// Internal to the driver: how messages and texts reach another program's windows.
// Messages go as Unicode (the W functions): Wine passes some ANSI messages
// across processes wrongly (CB_GETLBTEXT comes back as UTF-16).
#include "tests/driver/ui_driver.h"

namespace ui {

std::wstring Wide(const std::string& text, UINT codePage);
std::string Narrow(const std::wstring& text, UINT codePage);

// SendMessageTimeoutW with kSendTimeoutMs; false when the window is gone,
// hung or too slow. result may be nullptr.
bool SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// SendTimed or PostMessageW, as how says.
bool Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Delivery how);

// The messages that read and choose the items of a list: combo box or list box.
struct ListMessages {
    UINT count, textLength, text, current, select;
    WORD changed; // notification to the parent after a choice
};
// nullptr when list is neither a combo box nor a list box.
const ListMessages* ListMessagesOf(HWND list);

} // namespace ui
