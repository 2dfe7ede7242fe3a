#include "uninstall/common/file.h"
#include "uninstall/common/wine_test_folder.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

TEST(FileOnWindows, ReadsSeeksAndEndsOnARealFile) {
    ScratchFolder folder("zk-file");
    char path[MAX_PATH];
    folder.Write("data.txt", "0123456789", path, sizeof path);

    File file;
    ASSERT_TRUE(file.Open(path));
    char buffer[16] = {};
    EXPECT_EQ(3, file.Read(buffer, 3));
    file.Seek(7);
    EXPECT_EQ(7, file.Position());
    EXPECT_EQ(3, file.Read(buffer, 16));
    EXPECT_EQ(0, std::memcmp(buffer, "789", 3));
    EXPECT_EQ(0, file.Read(buffer, 16));
    file.Seek(0);
    EXPECT_EQ(0, file.Position());
}

TEST(FileOnWindows, SharesWritingAndOpensDoubleBytePaths) {
    ScratchFolder folder("zk-file-dbcs");
    char path[MAX_PATH];
    // A folder name ending in a character whose second byte is 0x5C.
    std::snprintf(path, sizeof path, "%s\\\xD6\x5C", folder.path);
    ASSERT_TRUE(CreateDirectoryA(path, nullptr));
    char filePath[MAX_PATH];
    folder.Write("\xD6\x5C\\\xD6\xD0\xCE\xC4.lng", "abc", filePath, sizeof filePath);

    HANDLE writer = CreateFileA(filePath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    File file;
    EXPECT_TRUE(file.Open(filePath));
    char buffer[8];
    EXPECT_EQ(3, file.Read(buffer, 8));
    CloseHandle(writer);
}

TEST(FileOnWindows, MissingFileAndFolder) {
    File file;
    EXPECT_FALSE(file.Open("C:\\no such folder\\x.lng"));
    char buffer[4];
    EXPECT_EQ(-1, file.Read(buffer, 4));
    ScratchFolder folder("zk-file-folder");
    EXPECT_FALSE(file.Open(folder.path)); // a folder is no file
}

} // namespace
