// Records every start in Zkv.log; with "-ioff" it then switches the computer
// off, unless ZK_STUB_NO_POWEROFF is set (the tests set it: under Wine a
// shutdown would end the whole session).
#include "stubs/common/start_log.h"

#include <windows.h>

#include <cstring>

namespace {
bool EnableShutdownPrivilege() {
    HANDLE token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    const bool ok =
        LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid) &&
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
        GetLastError() == ERROR_SUCCESS;
    CloseHandle(token);
    return ok;
}
} // namespace

int main(int argc, char** argv) {
    if (!RecordStart()) return 3;
    if (argc != 2 || std::strcmp(argv[1], "-ioff") != 0) return 1;
    if (GetEnvironmentVariableA("ZK_STUB_NO_POWEROFF", nullptr, 0) != 0) return 0;
    if (!EnableShutdownPrivilege()) return 2;
    return ExitWindowsEx(EWX_SHUTDOWN | EWX_POWEROFF, SHTDN_REASON_FLAG_PLANNED) ? 0 : 2;
}
