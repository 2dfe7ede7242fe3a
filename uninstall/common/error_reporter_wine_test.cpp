// The program's end when memory runs out: exit code 8, and in a silent run
// no box on the way (one would keep the child below from ending).
#include <gtest/gtest.h>
#include "uninstall/common/error_reporter.h"

namespace {

TEST(ErrorReporterDeathTest, ASilentRunEndsWithCode8WithoutABox) {
    Errors.silent = true;
    EXPECT_EXIT(Errors.OutOfMemory(), testing::ExitedWithCode(ErrorReporter::OutOfMemoryCode), "");
    Errors.silent = false;
}

} // namespace
