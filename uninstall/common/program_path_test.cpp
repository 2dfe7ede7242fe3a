#include "uninstall/common/program_path.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramFolder, EndsBeforeTheLastBackslashExceptAtADriveRoot) {
    char folder[32];
    EXPECT_TRUE(ProgramFolder("C:\\Program Files\\Zkv\\uninstall.exe", folder, sizeof folder));
    EXPECT_STREQ(folder, "C:\\Program Files\\Zkv");
    EXPECT_TRUE(ProgramFolder("D:\\uninstall.exe", folder, sizeof folder));
    EXPECT_STREQ(folder, "D:\\");
    EXPECT_FALSE(ProgramFolder("uninstall.exe", folder, sizeof folder));
    EXPECT_FALSE(
        ProgramFolder("C:\\a-folder-name-of-32-bytes-or-more\\u.exe", folder, sizeof folder));
}

TEST(ProgramFolder, ATrailByte5CInTheFileNameIsNoSeparator) {
    char folder[32];
    // "C:\Zkv\" then a two-byte character whose second byte is 0x5C.
    EXPECT_TRUE(ProgramFolder("C:\\Zkv\\\x95\\.exe", folder, sizeof folder,
                              LeadByteTable::ForCodePage(936)));
    EXPECT_STREQ(folder, "C:\\Zkv");
}

} // namespace
