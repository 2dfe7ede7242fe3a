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

// One reading of the clocks, taken at each tick.
struct ClockReading {
    long long local; // local time, in seconds since a midnight (that of 1 January 1601)
    long long utc;   // UTC, in seconds since the same moment
    unsigned tick;   // the system tick count in milliseconds; wraps after 49.7 days
};

// The second of the day a reading's local time shows.
int SecondOfDay(const ClockReading& reading);

// The longest step of the clock whose skipped seconds still count as reached:
// a tick that came late.
constexpr int kLongestCaughtUpStep = 60;
// The largest shift of a zone's clock when daylight saving starts.
constexpr int kLongestZoneShift = 2 * 60 * 60;

// How many seconds of the day the clock reached on stepping from `checked` to
// `now`, counted back from the shown second and including it. 0 when it shows
// the same second again (a tick that came early). Every second it skipped
// when the step is a late tick (at most kLongestCaughtUpStep), or when it is
// the zone's daylight-saving shift: the local clock stepped forward, by up to
// kLongestZoneShift more than UTC did, while UTC moved on only a moment.
// Otherwise 1, only the shown second: the clock went back, or was changed by
// hand or by a time service, or the machine woke up; the tick count cannot
// tell these from the shift, the step of UTC can.
int SecondsReached(const ClockReading& checked, const ClockReading& now);

enum class Target { Alarm, Shutdown };

// The programs to start, in the order to start them.
struct TargetStarts {
    int count;
    Target order[2];
};

// The targets among the last `seconds` seconds of the day up to and including
// `shownSecond`, in time order, the alarm before the shutdown within one
// second; `seconds` is at most a day.
TargetStarts TargetsReachedInLast(int seconds, int shownSecond, const char* alarm,
                                  const char* shutdown);
