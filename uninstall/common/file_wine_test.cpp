#include "uninstall/common/file.h"
#include "tests/support/files.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>

namespace {

TEST(FileOnWindows, ReadsSeeksAndEndsOnARealFile) {
    ScratchFolder folder("zk-file");
    const std::string path = folder / "data.txt";
    test_files::Write(path, "0123456789");

    File file;
    ASSERT_TRUE(file.Open(path.c_str()));
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
    // A folder name ending in a character whose second byte is 0x5C.
    ASSERT_TRUE(CreateDirectoryA((folder / "\xD6\x5C").c_str(), nullptr));
    const std::string filePath = folder / "\xD6\x5C\\\xD6\xD0\xCE\xC4.lng";
    test_files::Write(filePath, "abc");

    HANDLE writer = CreateFileA(filePath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, writer);
    File file;
    EXPECT_TRUE(file.Open(filePath.c_str()));
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
    EXPECT_FALSE(file.Open(folder.path.c_str())); // a folder is no file
}

} // namespace
