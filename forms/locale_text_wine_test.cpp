// Locale texts in the system code page, and the call made again without
// LOCALE_USE_CP_ACP where a system does not know the flag.
#include "forms/clock.h"
#include "forms/locale_text.h"

#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A locale function as a system behaves: with the flag it fails with
// `errorWithFlag` (0: succeeds); without it, it succeeds.
struct System {
    const char* name;
    DWORD errorWithFlag;
    int expectedResult;
    std::vector<DWORD> expectedFlags; // the flags of each call, in order
};

TEST(InSystemCodePage, AsksForTheSystemCodePageAndAgainWithoutWhereTheFlagIsUnknown) {
    const System systems[] = {
        {"knows the flag", 0, 7, {LOCALE_USE_CP_ACP}},
        {"95: flag unknown", ERROR_INVALID_FLAGS, 5, {LOCALE_USE_CP_ACP, 0}},
        {"NT 4.0: parameter refused", ERROR_INVALID_PARAMETER, 5, {LOCALE_USE_CP_ACP, 0}},
        // A short buffer is no unknown flag: the text without it would be
        // in another code page.
        {"buffer too short", ERROR_INSUFFICIENT_BUFFER, 0, {LOCALE_USE_CP_ACP}},
    };
    for (const System& system : systems) {
        std::vector<DWORD> flags;
        const int result = InSystemCodePage([&](DWORD flag) {
            flags.push_back(flag);
            if (flag && system.errorWithFlag) {
                SetLastError(system.errorWithFlag);
                return 0;
            }
            return flag ? 7 : 5;
        });
        EXPECT_EQ(system.expectedResult, result) << system.name;
        EXPECT_EQ(system.expectedFlags, flags) << system.name;
    }
}

// The long date as the Unicode function gives it, in the system code page;
// a character the code page lacks is '?'.
std::string LongDateModel(int year, int month, int day) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    wchar_t wide[128];
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &date, nullptr, wide, 128)) return "";
    char ansi[256];
    if (!WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, nullptr, nullptr)) return "";
    return ansi;
}

TEST(Clock, LongDateIsTheRegionalLongDateInTheSystemCodePageAndIsCutToFit) {
    const CivilDate dates[] = {{2004, 3, 15}, {1960, 1, 1}, {2060, 12, 31}, {2026, 5, 9}};
    for (const CivilDate& date : dates) {
        const std::string expected = LongDateModel(date.year, date.month, date.day);
        ASSERT_FALSE(expected.empty());
        char text[128];
        ASSERT_TRUE(FormatLongDate(date, text, sizeof text));
        EXPECT_EQ(expected, text) << date.year << "-" << date.month << "-" << date.day;
        char small[6];
        ASSERT_TRUE(FormatLongDate(date, small, sizeof small));
        EXPECT_EQ(0, expected.compare(0, std::strlen(small), small));
        EXPECT_LT(std::strlen(small), sizeof small);
    }
}

} // namespace
