#include "sombrel/rules/target_check.h"

#include "sombrel/rules/clock_text.h"

#include <cstring>

namespace {
bool Matches(const char* clock, const char* target) {
    return target[0] != '\0' && std::strcmp(clock, target) == 0;
}
} // namespace

TargetsReached CheckTargets(const char* clock, const char* alarm, const char* shutdown) {
    return {Matches(clock, alarm), Matches(clock, shutdown)};
}

TargetStarts TargetsReachedSince(int checkedSecond, int shownSecond, const char* alarm,
                                 const char* shutdown) {
    TargetStarts starts = {0, {}};
    int step = 1; // seconds reached, the shown one included
    if (checkedSecond != kNoSecond) {
        step = (shownSecond - checkedSecond + kSecondsPerDay) % kSecondsPerDay;
        if (step == 0) return starts;
        if (step > kLongestCaughtUpStep) step = 1;
    }
    for (int back = step - 1; back >= 0; --back) {
        const int second = (shownSecond - back + kSecondsPerDay) % kSecondsPerDay;
        char clock[kClockTextSize];
        FormatClockText(second / 3600, second / 60 % 60, second % 60, clock);
        const TargetsReached reached = CheckTargets(clock, alarm, shutdown);
        if (reached.alarm) starts.order[starts.count++] = Target::Alarm;
        if (reached.shutdown) starts.order[starts.count++] = Target::Shutdown;
    }
    return starts;
}
