#include "sombrel/rules/window_state_rule.h"

TrayItemsEnabled TrayItemsFor(short state) {
    switch (state) {
    case kStateMinimised:
        return {true, false, false, true, false};
    case kStateMaximised:
        return {false, true, false, true, false};
    default:
        return {true, true, true, false, true};
    }
}

short NextLastState(short state, short lastState) {
    return state == kStateMinimised ? lastState : state;
}
