#include "sombrel/rules/target_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

namespace {
constexpr long long kHour = 60 * 60, kDay = 24 * kHour;
constexpr long long kMidnight = 150000 * kDay; // local midnight at the start of each run
constexpr unsigned kFirstTick = 0xFFFF0000u;   // the tick count wraps early in every run

std::string ClockText(long long local) {
    const long long s = (local % kDay + kDay) % kDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

// A clock the test drives: real time runs on; UTC follows it except where the
// clock is set; local time is UTC plus the zone's offset.
struct DrivenClock {
    long long real = 0, set = 0, offset = 0;
    ClockReading Read() const {
        const long long utc = kMidnight + real + set;
        return {utc + offset, utc, kFirstTick + static_cast<unsigned>(real * 1000)};
    }
};

enum ChangeKind { kNone, kZone, kSetClock, kArmAlarm };
struct Change {
    const char* after; // the clock text shown by the tick before the change
    ChangeKind kind;
    long long seconds;
};

struct ClockRun {
    const char* name;
    const char* start; // the local clock at the start
    long long ticks;   // one a second
    const char *alarm, *shutdown;
    Change changes[2];  // made in order
    const char* starts; // "A" alarm or "S" shutdown at the clock text shown
};

const long long kBound = 22 * kHour;
// clang-format off
const ClockRun kRuns[] = {
    {"autumn: the repeated hour fires once", "01:59:50", 2 * kHour, "02:30:00", "",
     {{"02:59:59", kZone, -kHour}}, "A02:30:00"},
    {"5 s back after firing fires nothing", "06:59:55", 60, "07:00:00", "",
     {{"07:00:00", kSetClock, -5}}, "A07:00:00"},
    {"an hour back fires nothing twice", "11:59:50", 2 * kHour, "11:59:55", "12:00:05",
     {{"12:00:10", kSetClock, -kHour}}, "A11:59:55 S12:00:05"},
    {"a target set anew after firing is armed at once", "06:59:55", 60, "07:00:00", "",
     {{"07:00:00", kSetClock, -5}, {"06:59:57", kArmAlarm, 0}}, "A07:00:00 A07:00:00"},
    {"spring: the skipped targets fire once at 03:00:00, in time order", "01:59:50", kHour,
     "02:30:00", "02:00:00", {{"01:59:59", kZone, kHour}}, "S03:00:00 A03:00:00"},
    {"a user's change forward by 61 s catches nothing up", "12:00:00", 60, "12:00:30", "12:01:06",
     {{"12:00:05", kSetClock, 61}}, ""},
    {"set back by less than the bound after firing: held", "07:00:00", 23 * kHour, "07:00:00", "",
     {{"07:00:00", kSetClock, -(kBound - 10)}}, "A07:00:00"},
    {"set back by more than the bound after firing: fires again", "07:00:00", 23 * kHour,
     "07:00:00", "", {{"07:00:00", kSetClock, -(kBound + 10)}}, "A07:00:00 A07:00:00"},
};
// clang-format on

long long At(const char* clock) {
    int hour = 0, minute = 0, second = 0;
    std::sscanf(clock, "%d:%d:%d", &hour, &minute, &second);
    return (hour * 60 + minute) * 60 + second;
}

void Apply(const Change& change, DrivenClock* clock, TargetWatch* watch) {
    if (change.kind == kZone) clock->offset += change.seconds;
    if (change.kind == kSetClock) clock->set += change.seconds;
    if (change.kind == kArmAlarm) ArmTarget(watch, Target::Alarm);
}
} // namespace

TEST(TargetWatch, EachTargetFiresOncePerOccurrenceWhateverTheClockDoes) {
    for (const ClockRun& run : kRuns) {
        DrivenClock clock;
        clock.real = At(run.start);
        TargetWatch watch = {};
        std::string starts;
        int next = 0;
        for (long long tick = 0; tick <= run.ticks; ++tick, ++clock.real) {
            const ClockReading now = clock.Read();
            const TargetStarts fired = WatchTargets(&watch, now, run.alarm, run.shutdown);
            for (int i = 0; i < fired.count; ++i) {
                starts += starts.empty() ? "" : " ";
                starts += (fired.order[i] == Target::Alarm ? "A" : "S") + ClockText(now.local);
            }
            const Change& change = run.changes[next < 2 ? next : 1];
            if (next < 2 && change.kind != kNone && ClockText(now.local) == change.after) {
                Apply(change, &clock, &watch);
                ++next;
            }
        }
        EXPECT_EQ(run.starts, starts) << run.name;
    }
}

// A year of irregular ticks (early, late, held up for seconds) in a zone whose
// clock goes forward an hour at 02:00 on one spring night and back from 03:00
// to 02:00 on one autumn night: each daily target starts on every day, once.
TEST(TargetWatch, AYearOfTicksStartsEachDailyTargetOncePerDay) {
    const long long spring = kMidnight + 88 * kDay + 2 * kHour; // UTC of the changes
    const long long autumn = kMidnight + 298 * kDay + 2 * kHour;
    const char* const pairs[][2] = {{"02:30:00", "02:59:59"}};
    for (const auto& targets : pairs) {
        std::map<long long, std::string> days; // the starts of each local day
        TargetWatch watch = {};
        unsigned seed = 2026;
        for (long long real = 0; real < 365 * kDay;) {
            const long long utc = kMidnight + real;
            const long long local = utc + (utc >= spring && utc < autumn ? kHour : 0);
            const ClockReading now = {local, utc, kFirstTick + static_cast<unsigned>(real * 1000)};
            const TargetStarts fired = WatchTargets(&watch, now, targets[0], targets[1]);
            for (int i = 0; i < fired.count; ++i)
                days[(local - kMidnight) / kDay] += fired.order[i] == Target::Alarm ? 'A' : 'S';
            seed = seed * 1103515245u + 12345u;
            real += static_cast<int>(seed >> 16) % 8; // 0 (an early tick) to 7 seconds
        }
        EXPECT_EQ(365u, days.size()) << targets[0];
        for (const auto& day : days)
            EXPECT_EQ("AS", day.second)
                << targets[0] << ", " << targets[1] << " on day " << day.first;
    }
}
