#include "uninstall/common/file.h"
#include "uninstall/common/error_reporter.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

TEST(File, ReadsSeeksAndReportsTheEnd) {
    char path[] = "/tmp/zk-file-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(10, write(fd, "0123456789", 10));
    close(fd);

    File file;
    ASSERT_TRUE(file.Open(path));
    char buffer[16] = {};
    EXPECT_EQ(4, file.Read(buffer, 4));
    EXPECT_EQ(4, file.Position());
    file.Seek(6);
    EXPECT_EQ(6, file.Position());
    EXPECT_EQ(4, file.Read(buffer, 16));
    EXPECT_EQ(std::string("6789"), std::string(buffer, 4));
    EXPECT_EQ(0, file.Read(buffer, 16));
    file.Seek(1);
    EXPECT_EQ(1, file.Read(buffer, 1));
    EXPECT_EQ('1', buffer[0]);
    EXPECT_FALSE(file.Open(path)); // already open
    unlink(path);
}

TEST(File, ClosedFileAndRefusedPaths) {
    File file;
    char buffer[4];
    EXPECT_EQ(-1, file.Read(buffer, 4));
    EXPECT_EQ(-1, file.Position());
    file.Seek(5); // nothing happens
    EXPECT_FALSE(file.Open("/nonexistent/zk"));
    std::string tooLong(2000, 'a');
    EXPECT_FALSE(file.Open(("/tmp/" + tooLong).c_str()));
}

TEST(ErrorReporterDeathTest, OutOfMemoryEndsWithCode8) {
    EXPECT_EXIT(Errors.OutOfMemory(), testing::ExitedWithCode(8), "out of memory");
}

} // namespace
