#pragma once
// A form timer: the tick handler runs on the form's thread every interval
// milliseconds while the timer is enabled and the interval is above 0.
#include "forms/form.h"

struct Timer {
    int interval = 0; // milliseconds
    bool enabled = true;
    FormHandler tick = nullptr;

    // Set by FormAddTimer.
    Form* form = nullptr;
    UINT_PTR id = 0;
};

bool FormAddTimer(Form* form, Timer* timer);
void TimerSetEnabled(Timer* timer, bool enabled);
