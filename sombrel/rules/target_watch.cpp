#include "sombrel/rules/target_watch.h"

#include <cstring>

namespace {
// Lets the target go when the bound has run (checked at every tick, so the
// tick count's wrap never makes an old firing look recent) or when it was
// set to another text.
void LetGoIfDue(HeldTarget* fired, const char* target, unsigned tick) {
    if (fired->held && (tick - fired->tick >= kRepeatBoundMs || std::strcmp(fired->text, target)))
        fired->held = false;
}
} // namespace

TargetStarts WatchTargets(TargetWatch* watch, const ClockReading& now, const char* alarm,
                          const char* shutdown) {
    const char* const targets[2] = {alarm, shutdown};
    for (int i = 0; i < 2; ++i)
        LetGoIfDue(&watch->fired[i], targets[i], now.tick);
    const int seconds = watch->started ? SecondsReached(watch->checked, now) : 1;
    watch->started = true;
    watch->checked = now;
    const TargetStarts reached = TargetsReachedInLast(seconds, SecondOfDay(now), alarm, shutdown);
    TargetStarts starts = {0, {}};
    for (int i = 0; i < reached.count; ++i) {
        const int index = reached.order[i] == Target::Alarm ? 0 : 1;
        HeldTarget& fired = watch->fired[index];
        if (fired.held) continue;
        fired.held = true;
        std::strncpy(fired.text, targets[index], kClockTextSize - 1);
        fired.text[kClockTextSize - 1] = '\0';
        fired.tick = now.tick;
        starts.order[starts.count++] = reached.order[i];
    }
    return starts;
}

void ArmTarget(TargetWatch* watch, Target target) {
    watch->fired[target == Target::Alarm ? 0 : 1].held = false;
}
