// Removal passes over a real list file in a scratch folder.
#include <gtest/gtest.h>

#include "uninstall/common/file.h"
#include "uninstall/removal/list_entries.h"
#include "uninstall/removal/listed_files.h"
#include "uninstall/removal/scratch_folder_wine_test.h"

namespace {

// "文件" in code page 936.
const char* const ChineseName = "\xCE\xC4\xBC\xFE.txt";

TEST(ListedFiles, FoldersListedBeforeTheirContentsGoInLaterPasses) {
    ScratchFolder outer("zk-listed");
    CreateDirectoryA((outer / "zkv").c_str(), nullptr);
    const std::string folder = outer / "zkv";
    CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
    CreateDirectoryA((folder + "\\sub\\deeper").c_str(), nullptr);
    ScratchFolder::Write(folder + "\\readonly.txt", "r");
    SetFileAttributesA((folder + "\\readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    ScratchFolder::Write(folder + "\\sub\\b.txt", "b");
    ScratchFolder::Write(folder + "\\sub\\deeper\\c.txt", "c");
    SetFileAttributesA((folder + "\\sub\\deeper\\c.txt").c_str(),
                       FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    ScratchFolder::Write(folder + "\\" + ChineseName, "w");
    ScratchFolder::Write(folder + "\\kept.txt", "not listed");
    ScratchFolder::Write(outer / "outside.txt", "o");
    const std::string listPath = folder + "\\" + ListFileName;
    ScratchFolder::Write(listPath, "sub\r\n"
                                   "sub\\deeper\r\n"
                                   "readonly.txt  \r\n"
                                   "\r\n"
                                   "sub\\deeper\\c.txt\r\n"
                                   "sub\\b.txt\r\n"
                                   "missing.txt\r\n" +
                                       std::string(ChineseName) + "\r\n" +
                                       "Uninstall.lst\r\n"
                                       "..\\outside.txt\r\n" +
                                       outer.path + "\\outside.txt\r\n");

    File list;
    ASSERT_TRUE(list.Open(listPath.c_str()));
    // Pass 1: the three files and the Chinese one; 2: "deeper"; 3: "sub";
    // 4 removes nothing.
    EXPECT_EQ(RemoveListedFiles(list, (folder + "\\").c_str()), 4);
    for (const char* gone : {"sub", "readonly.txt", "missing.txt", ChineseName})
        EXPECT_FALSE(ScratchFolder::Exists(folder + "\\" + gone)) << gone;
    EXPECT_TRUE(ScratchFolder::Exists(folder + "\\kept.txt"));
    EXPECT_TRUE(ScratchFolder::Exists(outer / "outside.txt"));
    // The open list survives its own entry, so a stopped run can start again.
    EXPECT_TRUE(ScratchFolder::Exists(listPath));
    // Nothing left to remove: one pass.
    EXPECT_EQ(RemoveListedFiles(list, (folder + "\\").c_str()), 1);
}

} // namespace
