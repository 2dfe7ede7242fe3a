#pragma once
// The main window of a stand-in program that shows one.
#include <windows.h>

// Passes messages to DefWindowProcA; closing the window ends the message loop.
// A stand-in's own window procedure hands it what it does not handle.
LRESULT CALLBACK StubWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Registers the window class `className` (arrow cursor, button-face background)
// and creates an overlapped window of it, titled `title`, width x height at the
// default position, not yet shown. Returns null when it cannot.
HWND CreateStubWindow(HINSTANCE instance, const char* className, const char* title, int width,
                      int height, WNDPROC procedure = StubWindowProc);

// Dispatches this thread's messages until the window is closed; returns 0.
int RunMessageLoop();
