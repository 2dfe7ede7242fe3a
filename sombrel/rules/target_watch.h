#pragma once
// Each target fires once per occurrence of its time, whatever the clock does.
#include "sombrel/rules/clock_text.h"
#include "sombrel/rules/target_check.h"

// A target that fired is held: it does not fire again when the clock shows
// its second once more (the clock set back, the hour repeated when daylight
// saving ends) until the system has run this long by its tick count. Most of
// a day, yet shorter than the 23 hours of the day daylight saving starts, so
// the target fires again the next day.
constexpr unsigned kRepeatBoundMs = 22u * 60 * 60 * 1000;

struct HeldTarget {
    bool held;
    char text[kClockTextSize]; // the target that fired
    unsigned tick;             // when it fired
};

struct TargetWatch {
    bool started;         // false until the first check
    ClockReading checked; // the reading the targets were last checked against
    HeldTarget fired[2];  // by Target: alarm, shutdown
};

// The targets the clock reached since the last check (SecondsReached; at the
// first check only the shown second), in the order to start them, leaving
// out those held; holds those it returns. A held target is let go once the
// bound has run, or when the target is another text than the one that fired.
TargetStarts WatchTargets(TargetWatch* watch, const ClockReading& now, const char* alarm,
                          const char* shutdown);

// A target set anew fires on its next second, whatever fired before.
void ArmTarget(TargetWatch* watch, Target target);
