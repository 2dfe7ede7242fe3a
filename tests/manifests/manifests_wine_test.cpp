// What the system's own manifest reader finds in the built programs: the
// activation context made from resource 1 of each file, and the run level it
// carries.
#include "tests/driver/ui_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Arguments: uninstall.exe sombrel.exe calendar.exe zkvlng.dll
enum Argument { kUninstall = 1, kSombrel, kCalendar, kLibrary };

// The run level of the file's manifest resource; GetLastError's code when
// there is none.
struct RunLevel {
    bool found;
    DWORD levelOrError;
    DWORD uiAccess;
};

RunLevel ReadRunLevel(int argument, WORD resource = 1) {
    std::string path = ui::ArgumentPath(argument);
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(resource);
    HANDLE context = CreateActCtxA(&request);
    if (context == INVALID_HANDLE_VALUE) return {false, GetLastError(), 0};
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION info = {};
    SIZE_T written = 0;
    BOOL queried = QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &info,
                                sizeof info, &written);
    DWORD error = GetLastError();
    ReleaseActCtx(context);
    if (!queried) return {false, error, 0};
    return {true, static_cast<DWORD>(info.RunLevel), info.UiAccess};
}

TEST(Manifests, UninstallAsksForAdministratorRights) {
    RunLevel level = ReadRunLevel(kUninstall);
    ASSERT_TRUE(level.found) << "error " << level.levelOrError;
    EXPECT_EQ(static_cast<DWORD>(ACTCTX_RUN_LEVEL_REQUIRE_ADMIN), level.levelOrError);
    EXPECT_EQ(0u, level.uiAccess);
}

TEST(Manifests, ClockAndCalendarRunAsInvoker) {
    for (int argument : {kSombrel, kCalendar}) {
        RunLevel level = ReadRunLevel(argument);
        ASSERT_TRUE(level.found) << argument << ": error " << level.levelOrError;
        EXPECT_EQ(static_cast<DWORD>(ACTCTX_RUN_LEVEL_AS_INVOKER), level.levelOrError) << argument;
        EXPECT_EQ(0u, level.uiAccess) << argument;
    }
}

// The DPI awareness the system reads from each program's manifest: the
// system's dpi, so current Windows does not stretch the windows.
TEST(Manifests, ProgramsAreAwareOfTheSystemDpi) {
    // Declared by the headers only for Vista on, which this build does not target.
    typedef BOOL(WINAPI * QuerySettings)(DWORD, HANDLE, PCWSTR, PCWSTR, PWSTR, SIZE_T, SIZE_T*);
    const auto QueryActCtxSettingsW = reinterpret_cast<QuerySettings>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
    ASSERT_NE(nullptr, QueryActCtxSettingsW);
    for (int argument : {kUninstall, kSombrel, kCalendar}) {
        const std::string path = ui::ArgumentPath(argument);
        ACTCTXA request = {};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = path.c_str();
        request.lpResourceName = MAKEINTRESOURCEA(1);
        HANDLE context = CreateActCtxA(&request);
        ASSERT_NE(INVALID_HANDLE_VALUE, context) << path;
        wchar_t value[32] = L"";
        SIZE_T written = 0;
        EXPECT_TRUE(QueryActCtxSettingsW(0, context, nullptr, L"dpiAware", value, 32, &written))
            << path << ": error " << GetLastError();
        EXPECT_STREQ(L"true", value) << path;
        ReleaseActCtx(context);
    }
}

// Neither a program's manifest (1) nor a library's own (2).
TEST(Manifests, LanguageLibraryHasNone) {
    for (WORD resource : {1, 2}) {
        RunLevel level = ReadRunLevel(kLibrary, resource);
        EXPECT_FALSE(level.found) << resource;
        EXPECT_TRUE(level.levelOrError == ERROR_RESOURCE_TYPE_NOT_FOUND ||
                    level.levelOrError == ERROR_RESOURCE_NAME_NOT_FOUND)
            << resource << ": error " << level.levelOrError;
    }
}

} // namespace
