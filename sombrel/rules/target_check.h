#pragma once

// Which programs the clock starts. A target is plain text; it matches a
// second only when it equals that second's clock text exactly, and an empty
// target is off.
struct TargetsReached {
    bool alarm;    // start the alarm program (always before the shutdown)
    bool shutdown; // start the power-off command
};

TargetsReached CheckTargets(const char* clock, const char* alarm, const char* shutdown);

// Seconds of the day, 0 to 86399, as the clock counts them.
constexpr int kSecondsPerDay = 24 * 60 * 60;
constexpr int kNoSecond = -1; // the clock has not been checked yet

// The longest step of the clock whose skipped seconds still count as reached.
// A longer step, or one backwards, is a change of the clock (set by hand or by
// a time service, the machine woke up): then only the second it shows counts.
constexpr int kLongestCaughtUpStep = 60;

enum class Target { Alarm, Shutdown };

// The programs to start, in the order to start them.
struct TargetStarts {
    int count;
    Target order[2];
};

// The targets the clock reached on stepping from `checkedSecond` (the second
// the targets were last checked against, kNoSecond at start) to `shownSecond`:
// every second after the checked one up to the shown one, in time order, the
// alarm before the shutdown within one second. The same second again reaches
// nothing, so a tick that comes early starts nothing twice.
TargetStarts TargetsReachedSince(int checkedSecond, int shownSecond, const char* alarm,
                                 const char* shutdown);
