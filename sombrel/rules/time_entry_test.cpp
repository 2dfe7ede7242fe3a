#include "sombrel/rules/time_entry.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The target a text becomes, or "refused".
std::string Entry(const wchar_t* text) {
    char clock[kClockTextSize];
    return ReadTimeEntry(text, clock) ? clock : "refused";
}
} // namespace

TEST(TimeEntry, TheFourWrittenFormsBecomeTheClocksForm) {
    EXPECT_EQ("07:05:09", Entry(L"7:05:09"));
    EXPECT_EQ("07:05:09", Entry(L"07:05:09"));
    EXPECT_EQ("22:30:00", Entry(L"22:30"));
    EXPECT_EQ("07:05:00", Entry(L"7:05"));
    EXPECT_EQ("00:00:00", Entry(L"0:00"));
}

TEST(TimeEntry, BoundsOfHoursMinutesAndSeconds) {
    EXPECT_EQ("23:59:59", Entry(L"23:59:59"));
    EXPECT_EQ("00:00:00", Entry(L"00:00:00"));
    EXPECT_EQ("refused", Entry(L"24:00:00"));
    EXPECT_EQ("refused", Entry(L"24:00"));
    EXPECT_EQ("refused", Entry(L"9:60"));
    EXPECT_EQ("refused", Entry(L"23:59:60"));
    EXPECT_EQ("refused", Entry(L"99:99:99"));
}

TEST(TimeEntry, BlanksAroundAreTrimmedButNotInside) {
    EXPECT_EQ("22:30:00", Entry(L"  22:30 "));
    EXPECT_EQ("22:30:00", Entry(L"\t22:30:00\t"));
    EXPECT_EQ("22:30:00", Entry(L"\x3000"
                                L"22:30\x3000")); // the ideographic space
    EXPECT_EQ("refused", Entry(L"22 :30"));
    EXPECT_EQ("refused", Entry(L"22: 30"));
    EXPECT_EQ("refused", Entry(L"22:30 :00"));
    EXPECT_EQ("refused", Entry(L"   "));
}

TEST(TimeEntry, FullWidthDigitsAndColonAsAChineseInputMethodTypesThem) {
    EXPECT_EQ("22:30:00", Entry(L"\xFF12\xFF12\xFF1A\xFF13\xFF10"));             // ２２：３０
    EXPECT_EQ("07:05:09", Entry(L"\xFF17\xFF1A\xFF10\xFF15\xFF1A\xFF10\xFF19")); // ７：０５：０９
    EXPECT_EQ("22:30:00", Entry(L"22\xFF1A"
                                L"30"));                            // mixed
    EXPECT_EQ("refused", Entry(L"\xFF12\xFF14\xFF1A\xFF10\xFF10")); // ２４：００
    EXPECT_EQ("refused", Entry(L"\xFF0E"
                               L"22:30")); // a full-width full stop
}

TEST(TimeEntry, TextsThatAreNotTimesAreRefused) {
    const wchar_t* texts[] = {L"abc",    L"",        L"22",          L"2230",      L"22:3",
                              L"22:300", L"222:30",  L"22:30:0",     L"22:30:000", L"22:30:",
                              L":30",    L"22::30",  L"22.30",       L"22-30-00",  L"-1:30",
                              L"+7:05",  L"7:05 pm", L"22:30:00:00", L"noon",      L"22:3O"};
    for (const wchar_t* text : texts) {
        char clock[kClockTextSize] = "unset!!";
        EXPECT_FALSE(ReadTimeEntry(text, clock)) << Entry(text);
    }
}
