// What every test under Wine relies on from its runner.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Harness, WineRunsWithTheChineseCodePages) {
    EXPECT_EQ(936u, GetACP());
    EXPECT_EQ(936u, GetOEMCP());
}

TEST(Harness, DriveFIsAnEmptyFolderOfItsOwn) {
    char folder[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableA("ZK_DRIVE_F", folder, sizeof folder), 0u);
    EXPECT_EQ(static_cast<UINT>(DRIVE_FIXED), GetDriveTypeA("F:\\"));
    // A drive's root has no "." and "..": an empty one has no entry at all.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("F:\\*", &found);
    const DWORD error = GetLastError();
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    EXPECT_EQ(INVALID_HANDLE_VALUE, search) << "F: holds " << found.cFileName;
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), error);
}
