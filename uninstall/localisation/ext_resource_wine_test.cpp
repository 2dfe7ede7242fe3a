// Loading the language library: no system box may come of a damaged one.
#include <gtest/gtest.h>
#include "uninstall/common/system_calls.h"
#include "uninstall/localisation/ext_resource.h"

namespace {

// The error mode in effect at the load, recorded instead of loading.
UINT modeAtLoad;
HMODULE WINAPI RecordLoad(LPCSTR) {
    SetErrorMode(modeAtLoad = SetErrorMode(0));
    SetLastError(ERROR_BAD_EXE_FORMAT);
    return nullptr;
}

TEST(ExtResource, LoadsWithoutCriticalErrorAndBadImageBoxesThenRestoresTheMode) {
    const UINT original = SetErrorMode(0);
    const UINT quiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    for (UINT before : {0u, static_cast<UINT>(SEM_NOGPFAULTERRORBOX), quiet}) {
        SetErrorMode(before);
        modeAtLoad = 0xFFFFFFFF;
        System.loadLibrary = RecordLoad;
        LanguagePack.Load(GetModuleHandleA(nullptr));
        RestoreSystemCalls();
        EXPECT_EQ(modeAtLoad, before | quiet) << before;
        EXPECT_EQ(SetErrorMode(0), before);
    }
    SetErrorMode(original);
}

} // namespace
