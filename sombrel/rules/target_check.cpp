#include "sombrel/rules/target_check.h"

#include "sombrel/rules/clock_text.h"

#include <cstring>

namespace {
bool Matches(const char* clock, const char* target) {
    return target[0] != '\0' && std::strcmp(clock, target) == 0;
}

int TwoDigits(const char* at) {
    const bool digits = at[0] >= '0' && at[0] <= '9' && at[1] >= '0' && at[1] <= '9';
    return digits ? (at[0] - '0') * 10 + (at[1] - '0') : -1;
}

// The second of the day whose clock text the target is; -1 for none.
int TargetSecond(const char* target) {
    if (std::strlen(target) != kClockTextSize - 1) return -1;
    const int hour = TwoDigits(target), minute = TwoDigits(target + 3);
    const int second = TwoDigits(target + 6);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return -1;
    char clock[kClockTextSize];
    FormatClockText(hour, minute, second, clock);
    return CheckTargets(clock, target, "").alarm ? (hour * 60 + minute) * 60 + second : -1;
}
} // namespace

TargetsReached CheckTargets(const char* clock, const char* alarm, const char* shutdown) {
    return {Matches(clock, alarm), Matches(clock, shutdown)};
}

int SecondOfDay(const ClockReading& reading) {
    return static_cast<int>((reading.local % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay);
}

int SecondsReached(const ClockReading& checked, const ClockReading& now) {
    const long long local = now.local - checked.local, utc = now.utc - checked.utc;
    if (local == 0) return 0;
    if (local < 0) return 1;
    if (local <= kLongestCaughtUpStep) return static_cast<int>(local);
    const bool aMoment = utc >= 0 && utc <= kLongestCaughtUpStep;
    if (aMoment && local - utc <= kLongestZoneShift) return static_cast<int>(local);
    return 1;
}

TargetStarts TargetsReachedInLast(int seconds, int shownSecond, const char* alarm,
                                  const char* shutdown) {
    // How long before the shown second each target's second was, or -1.
    int ago[2] = {TargetSecond(alarm), TargetSecond(shutdown)};
    for (int& back : ago) {
        if (back >= 0) back = (shownSecond - back + kSecondsPerDay) % kSecondsPerDay;
        if (back >= seconds) back = -1;
    }
    TargetStarts starts = {0, {}};
    const bool shutdownFirst = ago[1] > ago[0]; // the earlier second first, else the alarm
    if (shutdownFirst) starts.order[starts.count++] = Target::Shutdown;
    if (ago[0] >= 0) starts.order[starts.count++] = Target::Alarm;
    if (ago[1] >= 0 && !shutdownFirst) starts.order[starts.count++] = Target::Shutdown;
    return starts;
}
