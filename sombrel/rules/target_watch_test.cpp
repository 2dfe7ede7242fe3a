#include "sombrel/rules/target_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {
constexpr long long kHour = 60 * 60, kDay = 24 * kHour;
constexpr long long kMidnight = 150000 * kDay; // local midnight at the start of each run
constexpr unsigned kFirstTick = 0xFFFF0000u;   // the tick count wraps early in every run

// The clocks `real` seconds into a run: UTC runs with real time except where
// the clock was set; local time is UTC plus the zone's offset.
ClockReading Read(long long real, long long set, long long zone) {
    const long long utc = kMidnight + real + set;
    return {utc + zone, utc, kFirstTick + static_cast<unsigned>(real * 1000)};
}

std::string ClockText(long long local) {
    const long long s = (local % kDay + kDay) % kDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

// One tick a second for 23 hours from 01:59:50; after the tick that shows
// `at`, the zone shifts by `zone` seconds, the clock is set by `set` seconds
// and, if `arm`, the alarm is set anew. `starts`: each start at its clock.
struct ClockRun {
    const char *name, *alarm, *shutdown, *at;
    long long zone, set;
    bool arm;
    const char* starts;
};
// clang-format off
const ClockRun kRuns[] = {
    {"autumn: the repeated hour", "02:30:00", "", "02:59:59", -kHour, 0, false, " A02:30:00"},
    {"5 s back after firing", "07:00:00", "", "07:00:00", 0, -5, false, " A07:00:00"},
    {"an hour back", "11:59:55", "12:00:05", "12:00:10", 0, -kHour, false,
     " A11:59:55 S12:00:05"},
    {"set anew after firing: armed at once", "07:00:00", "", "07:00:00", 0, -5, true,
     " A07:00:00 A07:00:00"},
    {"spring: skipped targets once at 03:00:00, in time order", "02:30:00", "02:00:00",
     "01:59:59", kHour, 0, false, " S03:00:00 A03:00:00"},
    {"a user's change forward by 61 s", "12:00:30", "12:01:06", "12:00:05", 0, 61, false, ""},
    {"set back 10 s less than the 22 h bound: held", "02:00:00", "", "02:00:00", 0,
     -22 * kHour + 10, false, " A02:00:00"},
};
// clang-format on
} // namespace

TEST(TargetWatch, EachTargetFiresOncePerOccurrenceWhateverTheClockDoes) {
    for (const ClockRun& run : kRuns) {
        TargetWatch watch = {};
        long long set = 0, zone = 0;
        bool changed = false;
        std::string starts;
        for (long long real = 2 * kHour - 10; real < 25 * kHour - 10; ++real) {
            const ClockReading now = Read(real, set, zone);
            const TargetStarts fired = WatchTargets(&watch, now, run.alarm, run.shutdown);
            for (int i = 0; i < fired.count; ++i)
                starts += (fired.order[i] == Target::Alarm ? " A" : " S") + ClockText(now.local);
            if (changed || ClockText(now.local) != run.at) continue;
            changed = true;
            zone += run.zone;
            set += run.set;
            if (run.arm) ArmTarget(&watch, Target::Alarm);
        }
        EXPECT_EQ(run.starts, starts) << run.name;
    }
}

// A year of irregular ticks (early, late, held up for seconds) in a zone whose
// clock goes forward an hour at 02:00 on one spring night and back from 03:00
// to 02:00 on one autumn night: each daily target starts on every day, once.
TEST(TargetWatch, AYearOfTicksStartsEachDailyTargetOncePerDay) {
    const long long spring = 88 * kDay + 2 * kHour, autumn = 298 * kDay + 2 * kHour;
    std::map<long long, std::string> days; // the starts of each local day
    TargetWatch watch = {};
    unsigned seed = 2026;
    for (long long real = 0; real < 365 * kDay;) {
        const ClockReading now = Read(real, 0, real >= spring && real < autumn ? kHour : 0);
        const TargetStarts fired = WatchTargets(&watch, now, "02:30:00", "02:59:59");
        for (int i = 0; i < fired.count; ++i)
            days[(now.local - kMidnight) / kDay] += fired.order[i] == Target::Alarm ? 'A' : 'S';
        seed = seed * 1103515245u + 12345u;
        real += static_cast<int>(seed >> 16) % 8; // 0 (an early tick) to 7 seconds
    }
    EXPECT_EQ(365u, days.size());
    for (const auto& day : days)
        EXPECT_EQ("AS", day.second) << "day " << day.first;
}
