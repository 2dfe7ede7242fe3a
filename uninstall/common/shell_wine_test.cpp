#include "uninstall/common/shell.h"
#include "uninstall/common/wine_test_folder.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

TEST(ShellDelete, RemovesAFolderTreeWithoutAsking) {
    ScratchFolder folder("zk-delete");
    char tree[MAX_PATH], sub[MAX_PATH], file[MAX_PATH];
    std::snprintf(tree, sizeof tree, "%s\\tree \xD6\x5C", folder.path);
    std::snprintf(sub, sizeof sub, "%s\\sub", tree);
    ASSERT_TRUE(CreateDirectoryA(tree, nullptr));
    ASSERT_TRUE(CreateDirectoryA(sub, nullptr));
    folder.Write("tree \xD6\x5C\\sub\\a.txt", "a", file, sizeof file);
    ASSERT_TRUE(Exists(file));
    SetFileAttributesA(file, FILE_ATTRIBUTE_READONLY);

    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s", tree);
    EXPECT_TRUE(ShellDelete(buffer));
    EXPECT_FALSE(Exists(tree));
    EXPECT_TRUE(Exists(folder.path));
    EXPECT_FALSE(ShellDelete(buffer)); // gone: the shell is not asked
}

TEST(ShellDelete, RemovesOneFileAndRefusesRoots) {
    ScratchFolder folder("zk-delete-file");
    char file[MAX_PATH];
    folder.Write("b.txt", "b", file, sizeof file);
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, "%s", file);
    EXPECT_TRUE(ShellDelete(buffer));
    EXPECT_FALSE(Exists(file));
    for (const char* root : {"C:\\", "C:", "\\", "C:/"}) {
        std::snprintf(buffer, sizeof buffer, "%s", root);
        EXPECT_FALSE(ShellDelete(buffer)) << root;
    }
    EXPECT_TRUE(Exists("C:\\windows"));
}

TEST(LaunchProgram, StartsWithoutWaiting) {
    ScratchFolder folder("zk-launch");
    char marker[MAX_PATH], command[1024];
    std::snprintf(marker, sizeof marker, "%s\\started.txt", folder.path);
    std::snprintf(command, sizeof command,
                  "C:\\windows\\system32\\cmd.exe /c echo started> \"%s\"", marker);
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
    HWND parent = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                nullptr);
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
