#pragma once

// Window states shared by the window and its notification-area popup.
enum WindowState : short { kStateNormal = 0, kStateMinimised = 1, kStateMaximised = 2 };

// Which popup items are enabled in a window state ("&Close" always is).
struct TrayItemsEnabled {
    bool maximize;
    bool minimize;
    bool move;
    bool restore;
    bool size;
};

TrayItemsEnabled TrayItemsFor(short state);

// The last state that was not minimised, after the window entered `state`.
short NextLastState(short state, short lastState);
