#pragma once
// What a form's window procedure hands on to its controls.
#include "forms/form.h"

// A WM_COMMAND notification from a child control: runs its handler.
LRESULT ControlCommand(Form* form, HWND child, int code);
// Enter pressed where no default button takes it: the focus, if it is a text
// field of the form, runs its validate handler.
void ControlEnter(Form* form, HWND focus);
// WM_CTLCOLORSTATIC / WM_CTLCOLORBTN: a label's colours, or null for any other child.
HBRUSH ControlColors(HWND child, HDC dc);
// The rectangle shapes, drawn on the form's client area.
void DrawShapes(Form* form, HDC dc);
