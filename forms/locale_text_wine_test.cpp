// Locale texts asked for in the system code page, and again without
// LOCALE_USE_CP_ACP where a system does not know the flag.
#include "forms/locale_text.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

// A locale function that gives 7 with the flag, or fails with the system's
// error; 5 without it. A short buffer is no unknown flag: without it the text
// would be in another code page.
TEST(InSystemCodePage, AsksForTheSystemCodePageAndAgainWithoutWhereTheFlagIsUnknown) {
    const struct {
        DWORD error; // with the flag
        int result;
        std::vector<DWORD> flags; // of each call
    } systems[] = {{0, 7, {LOCALE_USE_CP_ACP}},
                   {ERROR_INVALID_FLAGS, 5, {LOCALE_USE_CP_ACP, 0}},     // 95
                   {ERROR_INVALID_PARAMETER, 5, {LOCALE_USE_CP_ACP, 0}}, // NT 4.0
                   {ERROR_INSUFFICIENT_BUFFER, 0, {LOCALE_USE_CP_ACP}}};
    for (const auto& system : systems) {
        std::vector<DWORD> flags;
        EXPECT_EQ(system.result, InSystemCodePage([&](DWORD flag) {
                      flags.push_back(flag);
                      SetLastError(flag ? system.error : 0);
                      return flag && system.error ? 0 : flag ? 7 : 5;
                  }));
        EXPECT_EQ(system.flags, flags) << system.error;
    }
}

} // namespace
