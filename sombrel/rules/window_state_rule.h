#pragma once

// The window states are 0 normal, 1 minimised, 2 maximised.

// Which popup items are enabled in a window state ("&Close" always is).
struct TrayItemsEnabled {
    bool maximize;
    bool minimize;
    bool move;
    bool restore;
    bool size;
};

TrayItemsEnabled TrayItemsFor(int state);

// The last state that was not minimised, after the window entered `state`.
short NextLastState(int state, short lastState);
