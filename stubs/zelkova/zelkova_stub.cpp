// A small window titled "Zelkova stand-in" that shows the command line it was
// started with (so an archive opened through an association is visible).
// Every start is appended to Zelkova.log next to the program.
#include "stubs/start_log/start_log.h"

#include <windows.h>

namespace {
LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    RecordStart();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "ZelkovaStub";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("ZelkovaStub", "Zelkova stand-in", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 420, 110, nullptr, nullptr, instance,
                                nullptr);
    CreateWindowA("STATIC", GetCommandLineA(), WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 390, 50,
                  window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
