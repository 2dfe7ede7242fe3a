#include "sombrel/rules/window_state_rule.h"

TrayItemsEnabled TrayItemsFor(int state) {
    switch (state) {
    case 1: // minimised
        return {true, false, false, true, false};
    case 2: // maximised
        return {false, true, false, true, false};
    default:
        return {true, true, true, false, true};
    }
}

short NextLastState(int state, short lastState) {
    return state == 1 ? lastState : static_cast<short>(state);
}
