#include "uninstall/common/shell.h"
#include "uninstall/common/system_calls.h"
#include "tests/support/files.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {

using test_files::Exists;

TEST(ShellDelete, RemovesAFolderTreeWithoutAsking) {
    ScratchFolder folder("zk-delete");
    const std::string tree = folder / "tree \xD6\x5C";
    ASSERT_TRUE(CreateDirectoryA(tree.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA((tree + "\\sub").c_str(), nullptr));
    const std::string file = tree + "\\sub\\a.txt";
    test_files::Write(file, "a");
    ASSERT_TRUE(Exists(file));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);

    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s", tree.c_str());
    EXPECT_TRUE(ShellDelete(buffer));
    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(folder.path));
    EXPECT_FALSE(ShellDelete(buffer)); // gone: the shell is not asked
}

TEST(ShellDelete, RemovesOneFileAndRefusesRoots) {
    ScratchFolder folder("zk-delete-file");
    const std::string file = folder / "b.txt";
    test_files::Write(file, "b");
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s", file.c_str());
    EXPECT_TRUE(ShellDelete(buffer));
    EXPECT_FALSE(Exists(file));
    for (const char* root : {"C:\\", "C:", "\\", "C:/"}) {
        std::snprintf(buffer, sizeof buffer, "%s", root);
        EXPECT_FALSE(ShellDelete(buffer)) << root;
    }
    EXPECT_TRUE(Exists("C:\\windows"));
}

// What ShellDelete hands the shell, recorded instead of deleting.
std::vector<SHFILEOPSTRUCTA> passed;
int WINAPI RecordOperation(LPSHFILEOPSTRUCTA operation) {
    passed.push_back(*operation);
    return ERROR_ACCESS_DENIED; // as for a folder in use
}

// Every shell file operation of the program goes through ShellDelete: the
// shell may show no progress, no question and no error box of its own.
TEST(ShellDelete, AsksTheShellForNoWindowOfAnyKind) {
    ScratchFolder folder("zk-delete-flags");
    System.shellFileOperation = RecordOperation;
    EXPECT_FALSE(ShellDelete(folder.path.c_str()));
    RestoreSystemCalls();
    ASSERT_EQ(passed.size(), 1u);
    EXPECT_EQ(passed[0].hwnd, nullptr);
    EXPECT_EQ(passed[0].fFlags, FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI);
}

TEST(LaunchProgram, StartsWithoutWaiting) {
    ScratchFolder folder("zk-launch");
    const std::string marker = folder / "started.txt";
    char command[1024];
    std::snprintf(command, sizeof command, "C:\\windows\\system32\\cmd.exe /c echo started> \"%s\"",
                  marker.c_str());
    ASSERT_TRUE(LaunchProgram(command));
    for (int i = 0; i < 200 && !Exists(marker); ++i)
        Sleep(50);
    EXPECT_TRUE(Exists(marker));

    char missing[] = "C:\\no such folder\\nothing.exe";
    EXPECT_FALSE(LaunchProgram(missing));
}

TEST(GetDesktopFolder, NamesAnExistingFolder) {
    char buffer[MAX_PATH] = "x";
    GetDesktopFolder(buffer);
    ASSERT_NE('\0', buffer[0]);
    const DWORD attributes = GetFileAttributesA(buffer);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_NE(nullptr, std::strstr(buffer, "Desktop")) << buffer;
}

TEST(EnableDlgItem, TogglesAControl) {
    HWND parent =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowA("BUTTON", "b", WS_CHILD, 0, 0, 5, 5, parent,
                               reinterpret_cast<HMENU>(7), nullptr, nullptr);
    ASSERT_NE(nullptr, child);
    EnableDlgItem(parent, 7, false);
    EXPECT_FALSE(IsWindowEnabled(child));
    EnableDlgItem(parent, 7, true);
    EXPECT_TRUE(IsWindowEnabled(child));
    DestroyWindow(parent);
}

} // namespace
