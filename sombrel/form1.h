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
extern Control Picture1; // the background, as large as the window
extern Control Text1;    // alarm time text, empty when off
extern Control Text2;    // shutdown time text, empty when off
extern Control Label1;   // clock text "hh:mm:ss"
extern Timer Timer1;
extern FormMenus Form1Menus; // the menu bar and mnuTray, the hidden popup

// Builds the window with its controls and menus; false when it cannot.
bool CreateForm1(HINSTANCE instance);

// Menu commands of the window and of mnuTray.
void Form1_Command(Form* form, int id);

// A text of the program's string table.
void LoadSombrelText(int id, char* text, int size);
