// What the system's own manifest reader finds in the built programs: the
// activation context made from resource 1 of each file, and the run level it
// carries.
#include "tests/driver/ui_driver.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {

// Arguments: uninstall.exe sombrel.exe calendar.exe zkvlng.dll
enum Argument { kUninstall = 1, kSombrel, kCalendar, kLibrary };

// The run level of the file's manifest resource; GetLastError's code when
// there is none. And its dpiAware setting ("" for none).
struct RunLevel {
    bool found;
    DWORD levelOrError;
    DWORD uiAccess;
    std::wstring dpiAware;
};

RunLevel ReadRunLevel(int argument, WORD resource = 1) {
    std::string path = ui::ArgumentPath(argument);
    ACTCTXA request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEA(resource);
    HANDLE context = CreateActCtxA(&request);
    if (context == INVALID_HANDLE_VALUE) return {false, GetLastError(), 0, L""};
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION info = {};
    SIZE_T written = 0;
    BOOL queried = QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &info,
                                sizeof info, &written);
    DWORD error = GetLastError();
    // Declared by the headers only for Vista on, which this build does not target.
    const auto querySetting =
        reinterpret_cast<BOOL(WINAPI*)(DWORD, HANDLE, PCWSTR, PCWSTR, PWSTR, SIZE_T, SIZE_T*)>(
            reinterpret_cast<void*>(
                GetProcAddress(GetModuleHandleA("kernel32.dll"), "QueryActCtxSettingsW")));
    wchar_t dpiAware[32] = L"";
    if (querySetting) querySetting(0, context, nullptr, L"dpiAware", dpiAware, 32, nullptr);
    ReleaseActCtx(context);
    if (!queried) return {false, error, 0, L""};
    return {true, static_cast<DWORD>(info.RunLevel), info.UiAccess, dpiAware};
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
    for (int argument : {kUninstall, kSombrel, kCalendar})
        EXPECT_EQ(L"true", ReadRunLevel(argument).dpiAware) << argument;
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
