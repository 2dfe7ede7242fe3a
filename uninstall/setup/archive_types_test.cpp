#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>
#include "uninstall/setup/archive_types.h"

namespace {
std::vector<std::string> Split(const char* list, std::size_t size = 16) {
    std::vector<std::string> out;
    char ext[16];
    while (NextExtension(&list, ext, size))
        out.push_back(ext);
    return out;
}
} // namespace

TEST(ArchiveTypes, GroupsSplitIntoTheirExtensionsInOrder) {
    EXPECT_EQ((std::vector<std::string>{".zkv"}), Split(ArchiveGroups[ZkvGroup].extensions));
    EXPECT_EQ((std::vector<std::string>{".lzh", ".lha"}), Split(ArchiveGroups[4].extensions));
    EXPECT_EQ((std::vector<std::string>{".uue", ".xxe", ".uu"}),
              Split(ArchiveGroups[8].extensions));
    EXPECT_EQ((std::vector<std::string>{".bz2", ".tbz2", ".bz", ".tbz"}),
              Split(ArchiveGroups[9].extensions));
    EXPECT_EQ((std::vector<std::string>{".iso"}), Split(ArchiveGroups[IsoGroup].extensions));
    int extensions = 0;
    for (const ArchiveGroup& group : ArchiveGroups)
        extensions += Split(group.extensions).size();
    EXPECT_EQ(19, extensions);
}

TEST(ArchiveTypes, OnlyTheZipGroupPointsAtTheZipProgId) {
    for (int group = 0; group < ArchiveGroupCount; ++group) {
        EXPECT_STREQ(group == ZipGroup ? "Zelkova.ZIP" : "Zelkova", ArchiveGroups[group].progId);
    }
}

TEST(ArchiveTypes, ExtensionThatDoesNotFitEndsTheWalkEmpty) {
    const char* list = ".tbz2.bz";
    char ext[5] = "xxxx";
    EXPECT_FALSE(NextExtension(&list, ext, sizeof ext)); // ".tbz2" needs 6 bytes
    EXPECT_STREQ("", ext);
    EXPECT_EQ((std::vector<std::string>{".bz"}), Split(list, 5));
}

TEST(ArchiveTypes, SetupKeyIsRefusedRatherThanCut) {
    char key[12];
    EXPECT_TRUE(SetupKeyFor(".lha", key, sizeof key));
    EXPECT_STREQ("Setup\\.lha", key);
    EXPECT_FALSE(SetupKeyFor(".abcdef", key, sizeof key));
    EXPECT_STREQ("", key);
}
