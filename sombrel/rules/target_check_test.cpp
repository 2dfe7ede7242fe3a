#include "sombrel/rules/target_check.h"
#include "sombrel/rules/target_watch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(TargetCheck, EachTargetFiresOnlyOnItsOwnSecond) {
    TargetsReached r = CheckTargets("12:00:00", "12:00:00", "");
    EXPECT_TRUE(r.alarm);
    EXPECT_FALSE(r.shutdown);

    r = CheckTargets("22:30:00", "12:00:00", "22:30:00");
    EXPECT_FALSE(r.alarm);
    EXPECT_TRUE(r.shutdown);

    r = CheckTargets("12:00:01", "12:00:00", "22:30:00");
    EXPECT_FALSE(r.alarm);
    EXPECT_FALSE(r.shutdown);
}

TEST(TargetCheck, BothOnTheSameSecond) {
    TargetsReached r = CheckTargets("06:15:00", "06:15:00", "06:15:00");
    EXPECT_TRUE(r.alarm);
    EXPECT_TRUE(r.shutdown);
}

TEST(TargetCheck, EmptyTargetsAreOff) {
    TargetsReached r = CheckTargets("00:00:00", "", "");
    EXPECT_FALSE(r.alarm);
    EXPECT_FALSE(r.shutdown);
}

TEST(TargetCheck, TextsThatAreNotClockTextsNeverMatch) {
    const char* clocks[] = {"07:05:00", "22:30:00", "23:59:59", "00:00:00"};
    const char* targets[] = {"7:05:00",  "22:30",    " 22:30:00", "22:30:00 ",
                             "23:59:60", "24:00:00", "noon",      "07-05-00"};
    for (const char* clock : clocks) {
        for (const char* target : targets) {
            TargetsReached r = CheckTargets(clock, target, target);
            EXPECT_FALSE(r.alarm) << clock << " vs '" << target << "'";
            EXPECT_FALSE(r.shutdown) << clock << " vs '" << target << "'";
        }
    }
}

namespace {
// "hh:mm:ss" as the second of the day.
int At(const char* clock) {
    int hour = 0, minute = 0, second = 0;
    std::sscanf(clock, "%d:%d:%d", &hour, &minute, &second);
    return (hour * 60 + minute) * 60 + second;
}

constexpr int kNoSecond = -1; // no check yet

// A reading whose UTC moved as its local time did: no zone shift.
ClockReading Reading(long long local) {
    return {local, local, static_cast<unsigned>(local * 1000)};
}

// The starts on stepping from the second of the day `checked` (kNoSecond at
// start) forward to `shown`, UTC moving alike, as letters: 'A' alarm, 'S'
// shutdown. A step back is a step forward of almost a day.
std::string Starts(int checked, int shown, const char* alarm, const char* shutdown) {
    const long long forward = (shown - checked + kSecondsPerDay) % kSecondsPerDay;
    const int seconds =
        checked == kNoSecond ? 1 : SecondsReached(Reading(checked), Reading(checked + forward));
    const TargetStarts starts = TargetsReachedInLast(seconds, shown, alarm, shutdown);
    std::string letters;
    for (int i = 0; i < starts.count; ++i)
        letters += starts.order[i] == Target::Alarm ? 'A' : 'S';
    return letters;
}
} // namespace

TEST(TargetsReached, ASkippedSecondFiresOnceOnTheTickAfterIt) {
    EXPECT_EQ("A", Starts(At("12:00:05"), At("12:00:07"), "12:00:06", ""));
    EXPECT_EQ("", Starts(At("12:00:07"), At("12:00:08"), "12:00:06", ""));
    EXPECT_EQ("S", Starts(At("12:00:05"), At("12:00:07"), "", "12:00:06"));
    EXPECT_EQ("", Starts(At("12:00:05"), At("12:00:07"), "12:00:05", "12:00:08"));
}

TEST(TargetsReached, SkippedSecondsFireInTimeOrderAlarmFirstWithinASecond) {
    EXPECT_EQ("SA", Starts(At("12:00:05"), At("12:00:08"), "12:00:07", "12:00:06"));
    EXPECT_EQ("AS", Starts(At("12:00:05"), At("12:00:08"), "12:00:06", "12:00:07"));
    EXPECT_EQ("AS", Starts(At("12:00:05"), At("12:00:08"), "12:00:06", "12:00:06"));
    EXPECT_EQ("AS", Starts(At("12:00:05"), At("12:00:06"), "12:00:06", "12:00:06"));
}

TEST(TargetsReached, AStepOfMoreThanAMinuteCountsOnlyTheShownSecond) {
    EXPECT_EQ("A", Starts(At("12:00:00"), At("12:01:00"), "12:00:01", ""));
    EXPECT_EQ("", Starts(At("12:00:00"), At("12:01:01"), "12:00:01", "12:01:00"));
    EXPECT_EQ("S", Starts(At("12:00:00"), At("12:01:01"), "12:00:30", "12:01:01"));
    EXPECT_EQ("A", Starts(At("08:00:00"), At("17:00:00"), "17:00:00", "12:00:00"));
}

TEST(TargetsReached, MidnightIsCaughtUpLikeAnyOtherSecond) {
    EXPECT_EQ("A", Starts(At("23:59:59"), At("00:00:01"), "00:00:00", ""));
    EXPECT_EQ("AS", Starts(At("23:59:58"), At("00:00:01"), "23:59:59", "00:00:01"));
}

TEST(TargetsReached, TheClockGoingBackFiresNothingTwice) {
    // Ticks from 11:59:50 to 12:00:10, then the clock is set back an hour.
    std::string starts;
    int checked = kNoSecond;
    for (int second = At("11:59:50"); second <= At("12:00:10"); ++second) {
        starts += Starts(checked, second, "11:59:55", "12:00:05");
        checked = second;
    }
    EXPECT_EQ("AS", starts);
    EXPECT_EQ("", Starts(checked, At("11:00:10"), "11:59:55", "12:00:05"));
    EXPECT_EQ("", Starts(At("12:00:10"), At("12:00:05"), "11:59:55", "12:00:09"));
}

TEST(TargetsReached, AfterAStepBackOnlyTheShownSecondCounts) {
    EXPECT_EQ("S", Starts(At("12:00:10"), At("12:00:05"), "12:00:04", "12:00:05"));
    EXPECT_EQ("A", Starts(At("00:00:01"), At("23:59:59"), "23:59:59", "00:00:00"));
}

TEST(TargetsReached, ATickThatComesEarlyStartsNothingTwice) {
    EXPECT_EQ("A", Starts(At("12:00:05"), At("12:00:06"), "12:00:06", ""));
    EXPECT_EQ("", Starts(At("12:00:06"), At("12:00:06"), "12:00:06", ""));
}

TEST(TargetsReached, AtStartOnlyTheShownSecondCounts) {
    EXPECT_EQ("A", Starts(kNoSecond, At("12:00:06"), "12:00:06", "12:00:05"));
    EXPECT_EQ("", Starts(kNoSecond, At("00:00:00"), "", ""));
}

TEST(TargetsReached, TextsThatAreNotClockTextsNeverMatch) {
    EXPECT_EQ("", Starts(At("07:04:30"), At("07:05:30"), "7:05:00", "07:05"));
    EXPECT_EQ("", Starts(At("23:59:30"), At("00:00:10"), "24:00:00", "23:59:60"));
}

// Over a whole day of irregular ticks (early, late, held up for seconds), each
// target starts exactly once, on the first tick that shows its second or a
// later one.
TEST(TargetsReached, EveryTargetStartsOnceADayWhateverTheTicks) {
    const char* targets[] = {"00:00:00", "00:00:01", "06:30:00", "12:00:07", "23:59:59"};
    for (const char* target : targets) {
        unsigned seed = 12345;
        TargetWatch watch = {};
        int starts = 0, late = -1;
        for (long long now = At("00:00:05"); now < At("00:00:05") + kSecondsPerDay + 5;) {
            const ClockReading reading = Reading(now);
            const int count = WatchTargets(&watch, reading, target, "").count;
            if (count) late = (SecondOfDay(reading) - At(target) + kSecondsPerDay) % kSecondsPerDay;
            starts += count;
            seed = seed * 1103515245u + 12345u;
            now += static_cast<int>(seed >> 16) % 4; // 0 (an early tick) to 3 seconds
        }
        EXPECT_EQ(1, starts) << target;
        EXPECT_GE(late, 0) << target;
        EXPECT_LE(late, 3) << target;
    }
}
