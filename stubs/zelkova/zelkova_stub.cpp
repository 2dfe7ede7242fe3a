// A small window titled "Zelkova stand-in" that shows the command line it was
// started with (so an archive opened through an association is visible).
// Every start is appended to Zelkova.log next to the program.
#include "stubs/common/start_log.h"
#include "stubs/common/stub_window.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    RecordStart();
    HWND window = CreateStubWindow(instance, "ZelkovaStub", "Zelkova stand-in", 420, 110);
    CreateWindowA("STATIC", GetCommandLineA(), WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, 390, 50,
                  window, nullptr, instance, nullptr);
    ShowWindow(window, show);
    return RunMessageLoop();
}
