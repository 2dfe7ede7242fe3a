#pragma once
#include <windows.h>
// Called first by every dialog procedure for every message: right-to-left
// layout, translation and scaling on creation, help on F1 and button 9.
void DialogHook(HWND dialog, UINT message, WPARAM wParam, int helpContext, const char* dialogName);
