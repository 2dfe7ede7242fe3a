#include "uninstall/common/system_calls.h"

namespace {
constexpr SystemCalls Real = {SHFileOperationA, LoadLibraryA, CreateProcessA};
} // namespace

SystemCalls System = Real;

void RestoreSystemCalls() {
    System = Real;
}
