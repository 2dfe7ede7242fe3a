// Loading the language library: no system box may come of a damaged one.
#include <gtest/gtest.h>
#include <vector>
#include "uninstall/common/system_calls.h"
#include "uninstall/localisation/ext_resource.h"

namespace {

// The error mode in effect at each load, recorded instead of loading.
std::vector<UINT> modes;
HMODULE WINAPI RecordLoad(LPCSTR) {
    const UINT mode = SetErrorMode(0);
    SetErrorMode(mode);
    modes.push_back(mode);
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return nullptr;
}

TEST(ExtResource, LoadsWithoutCriticalErrorAndBadImageBoxesThenRestoresTheMode) {
    const UINT original = SetErrorMode(0);
    const UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    for (UINT before : {0u, static_cast<UINT>(SEM_NOGPFAULTERRORBOX), quiet}) {
        SetErrorMode(before);
        modes.clear();
        System.loadLibrary = RecordLoad;
        LanguagePack.Load(GetModuleHandleA(nullptr));
        RestoreSystemCalls();
        ASSERT_EQ(modes.size(), 1u);
        EXPECT_EQ(modes[0], before | quiet) << before;
        EXPECT_EQ(SetErrorMode(0), before);
        EXPECT_FALSE(LanguagePack.loaded); // the program's own resources
        EXPECT_EQ(ResourceModule, ProgramModule);
    }
    SetErrorMode(original);
}

} // namespace
