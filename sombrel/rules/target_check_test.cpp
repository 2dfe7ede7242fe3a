#include "sombrel/rules/target_check.h"

#include <gtest/gtest.h>

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
    const char* targets[] = {"7:05:00",   "22:30",     " 22:30:00", "22:30:00 ",
                             "23:59:60",  "24:00:00",  "noon",      "07-05-00"};
    for (const char* clock : clocks) {
        for (const char* target : targets) {
            TargetsReached r = CheckTargets(clock, target, target);
            EXPECT_FALSE(r.alarm) << clock << " vs '" << target << "'";
            EXPECT_FALSE(r.shutdown) << clock << " vs '" << target << "'";
        }
    }
}
