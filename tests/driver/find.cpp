#include "tests/driver/ui_driver.h"

namespace ui {

namespace {
struct WindowQuery {
    const char* title;
    const char* className;
    DWORD processId;
    HWND found;
};

bool Matches(HWND window, const WindowQuery& query) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (query.processId && processId != query.processId) return false;
    if (!IsWindowVisible(window)) return false;
    char text[1024];
    if (query.className &&
        (!GetClassNameA(window, text, sizeof text) || lstrcmpiA(text, query.className) != 0))
        return false;
    if (query.title) {
        // Read from the window manager's copy, without a message to the window.
        text[0] = '\0';
        GetWindowTextA(window, text, sizeof text);
        if (lstrcmpA(text, query.title) != 0) return false;
    }
    return true;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM lParam) {
    WindowQuery& query = *reinterpret_cast<WindowQuery*>(lParam);
    if (!Matches(window, query)) return TRUE;
    query.found = window;
    return FALSE;
}

struct ProcessQuery {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK CollectOfProcess(HWND window, LPARAM lParam) {
    ProcessQuery& query = *reinterpret_cast<ProcessQuery*>(lParam);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == query.processId) query.windows->push_back(window);
    return TRUE;
}

struct ControlQuery {
    int id;
    HWND found;
};

BOOL CALLBACK FindById(HWND window, LPARAM lParam) {
    ControlQuery& query = *reinterpret_cast<ControlQuery*>(lParam);
    if (LOWORD(GetDlgCtrlID(window)) != LOWORD(query.id)) return TRUE;
    query.found = window;
    return FALSE;
}
} // namespace

HWND WaitForWindow(const char* title, const char* className, DWORD processId, DWORD timeoutMs) {
    WindowQuery query = {title, className, processId, nullptr};
    WaitUntil(
        [&] {
            EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&query));
            return query.found != nullptr;
        },
        timeoutMs);
    return query.found;
}

std::vector<HWND> ProcessWindows(DWORD processId) {
    std::vector<HWND> windows;
    ProcessQuery query = {processId, &windows};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&query));
    return windows;
}

HWND FindControl(HWND parent, int id) {
    ControlQuery query = {id, nullptr};
    if (IsWindow(parent)) EnumChildWindows(parent, FindById, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

} // namespace ui
