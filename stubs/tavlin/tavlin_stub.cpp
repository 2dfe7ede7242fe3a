// A small window titled "Tavlin" that rings once and shows the current time,
// refreshed every second. Every start is recorded in Tavlin.log (a copy run
// under another name logs under that name).
#include "stubs/common/start_log.h"
#include "stubs/common/stub_window.h"

#include <windows.h>

#include <cstdio>

namespace {
constexpr UINT_PTR kClockTimer = 1;
HWND clockLabel;

void ShowTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    SetWindowTextA(clockLabel, text);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        clockLabel = CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE | SS_CENTER, 10, 20, 200, 24,
                                   window, nullptr, nullptr, nullptr);
        ShowTime();
        SetTimer(window, kClockTimer, 1000, nullptr);
        return 0;
    case WM_TIMER:
        ShowTime();
        return 0;
    }
    return StubWindowProc(window, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    RecordStart();
    HWND window = CreateStubWindow(instance, "TavlinStub", "Tavlin", 240, 100, WindowProc);
    ShowWindow(window, show);
    MessageBeep(MB_ICONEXCLAMATION);
    return RunMessageLoop();
}
