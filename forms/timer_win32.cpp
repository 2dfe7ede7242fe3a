#include "forms/timer.h"

namespace {

void Apply(Timer* timer) {
    if (!timer->form || !timer->form->hwnd) return;
    if (timer->enabled && timer->interval > 0)
        SetTimer(timer->form->hwnd, timer->id, static_cast<UINT>(timer->interval), nullptr);
    else
        KillTimer(timer->form->hwnd, timer->id);
}

} // namespace

bool FormAddTimer(Form* form, Timer* timer) {
    if (form->timerCount >= kMaxFormTimers) return false;
    form->timers[form->timerCount++] = timer;
    timer->form = form;
    timer->id = static_cast<UINT_PTR>(form->timerCount); // the form's WM_TIMER looks it up by id
    Apply(timer);
    return true;
}

void TimerSetEnabled(Timer* timer, bool enabled) {
    timer->enabled = enabled;
    Apply(timer);
}
