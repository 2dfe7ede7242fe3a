#pragma once
// The clock window and its controls.
#include "forms/control.h"
#include "forms/menus.h"
#include "forms/timer.h"

struct ClockForm : Form {
    // The most recent window state that was not minimised (0 or 2).
    short LastState = kStateNormal;
};

extern ClockForm Form1;
extern Control Text1; // alarm time text, empty when off
extern Control Text2; // shutdown time text, empty when off

// Builds the window with its controls and menus; false when it cannot.
bool CreateForm1(HINSTANCE instance);

// Menu commands of the window and of mnuTray.
void Form1_Command(Form* form, int id);

// A text of the program's string table.
void LoadSombrelText(int id, char* text, int size);
