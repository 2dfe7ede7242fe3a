// Key-tree deletion against Wine's registry, in scratch keys under HKCU.
#include <gtest/gtest.h>

#include <string>

#include "uninstall/common/windows_version.h"
#include "uninstall/registry/registry.h"
#include "tests/support/raw_registry.h"

namespace {

const char* const Scratch = "Software\\ZkTreeTest";

bool KeyExists(const std::string& path) {
    return raw_registry::KeyExists(HKEY_CURRENT_USER, path.c_str());
}

// A key under HKCU with one value, so that it is not empty.
void MakeKey(const std::string& path, CallSite at = {}) {
    raw_registry::SetString(HKEY_CURRENT_USER, path.c_str(), "v", "x", at);
}

// width sub-keys on each of depth levels below path.
void MakeTree(const std::string& path, int width, int depth, CallSite at = {}) {
    MakeKey(path, at);
    if (depth == 0) return;
    for (int i = 0; i < width; ++i)
        MakeTree(path + "\\k" + std::to_string(i), width, depth - 1, at);
}

// The deletion under test addresses HKCU keys outside the settings root
// with a leading backslash.
void DeleteTree(const std::string& path) {
    DeleteKeyTree(HKEY_CURRENT_USER, ("\\" + path).c_str());
}

class KeyTree : public ::testing::Test {
  protected:
    void SetUp() override { raw_registry::DeleteTree(HKEY_CURRENT_USER, Scratch); }
    void TearDown() override {
        ClearWindowsVersionOverride();
        raw_registry::DeleteTree(HKEY_CURRENT_USER, Scratch);
        raw_registry::DeleteTree(HKEY_CURRENT_USER, "Software\\Zelkova");
        raw_registry::DeleteTree(HKEY_CURRENT_USER, "Software\\ZelkovaNeighbour");
    }
};

TEST_F(KeyTree, ADeepWideTreeGoesCompletelyAndItsParentStays) {
    const std::string top = std::string(Scratch) + "\\top";
    MakeTree(top, 7, 3); // 400 keys
    MakeKey(std::string(Scratch) + "\\sibling");
    DeleteTree(top);
    EXPECT_FALSE(KeyExists(top));
    EXPECT_TRUE(KeyExists(std::string(Scratch) + "\\sibling"));
}

TEST_F(KeyTree, AMissingKeyIsOneEmptyPass) {
    MakeKey(Scratch);
    DeleteTree(std::string(Scratch) + "\\missing");
    EXPECT_TRUE(KeyExists(Scratch));
}

TEST_F(KeyTree, TheSettingsTreeIsExactlyTheSettingsRoot) {
    MakeTree("Software\\Zelkova", 3, 2);
    MakeKey("Software\\ZelkovaNeighbour");
    DeleteSettingsTree();
    EXPECT_FALSE(KeyExists("Software\\Zelkova"));
    EXPECT_TRUE(KeyExists("Software\\ZelkovaNeighbour"));
    EXPECT_TRUE(KeyExists("Software"));
}

TEST_F(KeyTree, HiveRootsAreNeverTouched) {
    DeleteKeyTree(HKEY_CLASSES_ROOT, "");
    DeleteKeyTree(HKEY_LOCAL_MACHINE, "");
    EXPECT_TRUE(KeyExists("Software"));
}

TEST_F(KeyTree, Windows95FamilyTriesOneCallFirstAndFallsBackToPasses) {
    OverrideWindowsVersion(1, 4, 10);
    const std::string leaf = std::string(Scratch) + "\\leaf";
    MakeKey(leaf);
    DeleteTree(leaf);
    EXPECT_FALSE(KeyExists(leaf));
    // Wine's RegDeleteKeyA refuses keys with sub-keys as NT does; the passes
    // still remove them.
    const std::string tree = std::string(Scratch) + "\\tree";
    MakeTree(tree, 3, 2);
    DeleteTree(tree);
    EXPECT_FALSE(KeyExists(tree));
}

TEST_F(KeyTree, APathTooLongForItsBufferIsRefusedNotCut) {
    // 199 bytes: the longest full path that fits.
    const std::string fits = std::string(Scratch) + "\\" + std::string(199 - 20, 'a');
    ASSERT_EQ(fits.size(), 199u);
    MakeKey(fits + "\\child");
    DeleteTree(fits + "b"); // 200 bytes; cut, it would name the key above
    EXPECT_TRUE(KeyExists(fits + "\\child"));
    DeleteTree(fits);
    EXPECT_FALSE(KeyExists(fits));
}

TEST_F(KeyTree, KeysBeyondTheChildPathBufferStayWithTheirParentsAndThePassesEnd) {
    // Built one level at a time: the registry takes long full paths only
    // relative to an open key.
    const std::string name(160, 'n');
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, Scratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    std::string deep = Scratch;
    for (const std::string& level : {name, name, name, std::string("deeper-than-the-buffer")}) {
        HKEY child;
        ASSERT_EQ(RegCreateKeyExA(key, level.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &child, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
        key = child;
        deep += "\\" + level;
    }
    RegCloseKey(key);
    ASSERT_GT(deep.size(), 511u);
    MakeTree(std::string(Scratch) + "\\short", 2, 2);
    DeleteTree(Scratch);
    EXPECT_TRUE(KeyExists(std::string(Scratch) + "\\" + name));
    EXPECT_FALSE(KeyExists(std::string(Scratch) + "\\short"));
}

} // namespace
