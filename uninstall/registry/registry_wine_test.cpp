// The registry layer against Wine's real registry, inside scratch keys that
// each test removes again.
#include <gtest/gtest.h>
#include <string>
#include "tests/support/call_site.h"
#include "tests/support/raw_registry.h"
#include "uninstall/registry/registry.h"

namespace {

const char* const Scratch = "Software\\ZkRegistryTest";

namespace raw = raw_registry;

class Registry : public ::testing::Test {
  protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        raw::DeleteTree(HKEY_CURRENT_USER, "Software\\Zelkova");
        raw::DeleteTree(HKEY_CURRENT_USER, Scratch);
        raw::DeleteTree(HKEY_LOCAL_MACHINE, Scratch);
    }
};

// The number read, or the default when there is none.
DWORD Dword(HKEY hive, const char* path, const char* name, DWORD defaultValue) {
    DWORD value = 0;
    GetRegDword(hive, path, name, defaultValue, &value);
    return value;
}

std::string Full(HKEY hive, const char* path, CallSite at = {}) {
    CalledFrom trace(at);
    char buffer[KeyPathSize] = "untouched";
    EXPECT_TRUE(MakeKeyPath(hive, path, buffer));
    return buffer;
}

TEST(KeyPath, CurrentUserPathsAreBelowTheSettingsRootUnlessRooted) {
    EXPECT_EQ("Software\\Zelkova", Full(HKEY_CURRENT_USER, ""));
    EXPECT_EQ("Software\\Zelkova\\Setup\\Links", Full(HKEY_CURRENT_USER, "Setup\\Links"));
    EXPECT_EQ("Software\\Other", Full(HKEY_CURRENT_USER, "\\Software\\Other"));
    EXPECT_EQ("", Full(HKEY_CURRENT_USER, "\\"));
    EXPECT_EQ("", Full(HKEY_LOCAL_MACHINE, ""));
    EXPECT_EQ("\\odd", Full(HKEY_CLASSES_ROOT, "\\odd"));
    EXPECT_EQ(".zip", Full(HKEY_CLASSES_ROOT, ".zip"));
}

TEST(KeyPath, APathThatDoesNotFitIsRefusedNotCut) {
    char buffer[KeyPathSize];
    std::string exact(KeyPathSize - 1, 'k');
    EXPECT_TRUE(MakeKeyPath(HKEY_LOCAL_MACHINE, exact.c_str(), buffer));
    EXPECT_EQ(exact, buffer);
    std::string over(KeyPathSize, 'k');
    EXPECT_FALSE(MakeKeyPath(HKEY_LOCAL_MACHINE, over.c_str(), buffer));
    EXPECT_STREQ("", buffer);
    // The settings prefix counts: 16 bytes of root and separator plus 240.
    std::string relative(KeyPathSize - 17, 'k');
    EXPECT_FALSE(MakeKeyPath(HKEY_CURRENT_USER, relative.c_str(), buffer));
    relative.pop_back();
    EXPECT_TRUE(MakeKeyPath(HKEY_CURRENT_USER, relative.c_str(), buffer));
    EXPECT_FALSE(MakeKeyPath(HKEY_CURRENT_USER, "Setup", buffer, 16));
}

TEST_F(Registry, SettingsRoundTripBelowTheRoot) {
    EXPECT_TRUE(SetSettingDword("Setup\\.zip", "Set", 0));
    EXPECT_TRUE(raw::KeyExists(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup\\.zip"));
    EXPECT_EQ(0u, GetSettingDword("Setup\\.zip", "Set", 1));
    EXPECT_TRUE(SetSettingString("Setup", "Name", "\xd1\xb9\xcb\xf5")); // GBK text
    char text[16];
    EXPECT_TRUE(GetSettingString("Setup", "Name", text, sizeof text, "x"));
    EXPECT_STREQ("\xd1\xb9\xcb\xf5", text);
    const unsigned char bytes[3] = {1, 0, 2};
    EXPECT_TRUE(SetRegBinary(HKEY_CURRENT_USER, "Setup", "Bin", 3, bytes));
    DWORD type = 0, length = 8;
    unsigned char back[8];
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup", 0, KEY_READ, &key));
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key, "Bin", nullptr, &type, back, &length));
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
    EXPECT_EQ(3u, length);
    EXPECT_EQ(0, memcmp(bytes, back, 3));
}

TEST_F(Registry, MissingKeysAndValuesGiveTheDefault) {
    EXPECT_EQ(7u, GetSettingDword("Setup\\Links", "Desktop", 7)); // no settings root at all
    SetSettingDword("Setup\\Links", "Programs", 1);
    EXPECT_EQ(7u, GetSettingDword("Setup\\Links", "Desktop", 7));
    DWORD value = 99;
    EXPECT_FALSE(GetRegDword(HKEY_CURRENT_USER, "Setup\\Links", "Desktop", 3, &value));
    EXPECT_EQ(3u, value);
    char text[8] = "junk";
    EXPECT_FALSE(GetRegString(HKEY_CURRENT_USER, "Nowhere", "x", text, sizeof text, "dflt"));
    EXPECT_STREQ("dflt", text);
    EXPECT_FALSE(RegKeyExists(HKEY_CURRENT_USER, "Nowhere"));
}

TEST_F(Registry, StringReadsNeverCutAndAlwaysTerminate) {
    SetSettingString("Setup", "Long", "0123456789");
    char text[10] = "";
    EXPECT_FALSE(GetSettingString("Setup", "Long", text, sizeof text, "short"));
    EXPECT_STREQ("short", text);
    char fits[11];
    EXPECT_TRUE(GetSettingString("Setup", "Long", fits, sizeof fits, "short"));
    EXPECT_STREQ("0123456789", fits);
    // Binary data without a terminator: terminated when there is room,
    // the default when it fills the buffer to the last byte.
    SetRegBinary(HKEY_CURRENT_USER, "Setup", "Raw", 4, "abcd");
    char room[5], full[4];
    EXPECT_TRUE(GetSettingString("Setup", "Raw", room, sizeof room, "d"));
    EXPECT_STREQ("abcd", room);
    EXPECT_FALSE(GetSettingString("Setup", "Raw", full, sizeof full, "d"));
    EXPECT_STREQ("d", full);
}

TEST_F(Registry, NumberReadsTakeUpToFourBytesOfAnyType) {
    SetSettingString("Setup", "Text", "1"); // stored as the bytes '1', 0
    EXPECT_EQ(0x31u, GetSettingDword("Setup", "Text", 5));
    SetRegBinary(HKEY_CURRENT_USER, "Setup", "Wide", 6, "\x01\x02\x03\x04\x05\x06");
    EXPECT_EQ(9u, GetSettingDword("Setup", "Wide", 9)); // more than 4 bytes: default
}

TEST_F(Registry, ByteReadsTakeAWholeValueOrNothing) {
    raw::SetBinary(HKEY_CURRENT_USER, "Software\\Zelkova\\Setup", "Bin", std::string("a\0b\0", 4));
    unsigned char bytes[4];
    DWORD length = 99;
    EXPECT_TRUE(GetRegBytes(HKEY_CURRENT_USER, "Setup", "Bin", bytes, sizeof bytes, &length));
    EXPECT_EQ(std::string("a\0b\0", 4), std::string(reinterpret_cast<char*>(bytes), length));
    EXPECT_FALSE(GetRegBytes(HKEY_CURRENT_USER, "Setup", "Bin", bytes, 3, &length)); // one too long
    EXPECT_EQ(0u, length);
    length = 99;
    EXPECT_FALSE(GetRegBytes(HKEY_CURRENT_USER, "Setup", "None", bytes, sizeof bytes, &length));
    EXPECT_EQ(0u, length);
}

TEST_F(Registry, RootedCurrentUserPathsAndTheDefaultValue) {
    std::string rooted = std::string("\\") + Scratch + "\\Sub";
    EXPECT_TRUE(SetRegString(HKEY_CURRENT_USER, rooted.c_str(), "", "default text"));
    EXPECT_FALSE(raw::KeyExists(HKEY_CURRENT_USER, "Software\\Zelkova"));
    char text[32];
    LONG length = sizeof text;
    std::string raw = std::string(Scratch) + "\\Sub";
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueA(HKEY_CURRENT_USER, raw.c_str(), text, &length));
    EXPECT_STREQ("default text", text);
    EXPECT_TRUE(GetRegString(HKEY_CURRENT_USER, rooted.c_str(), "", text, sizeof text, ""));
    EXPECT_STREQ("default text", text);
    EXPECT_TRUE(RegKeyExists(HKEY_CURRENT_USER, rooted.c_str()));
}

TEST_F(Registry, TheEmptyPathNamesTheHiveRoot) {
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, ""));
    EXPECT_TRUE(RegKeyExists(HKEY_CLASSES_ROOT, ""));
    HKEY key = OpenKeyForRead(HKEY_LOCAL_MACHINE, "");
    ASSERT_NE(nullptr, key);
    char name[256];
    bool hasSoftware = false;
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; i++)
        hasSoftware |= lstrcmpiA(name, "Software") == 0;
    EXPECT_TRUE(CloseRegKey(key));
    EXPECT_TRUE(hasSoftware);
    EXPECT_FALSE(CloseRegKey(nullptr));
    // Deleting a hive itself is refused before it reaches the system.
    EXPECT_NE(ERROR_SUCCESS, DeleteRegKey(HKEY_LOCAL_MACHINE, ""));
    EXPECT_NE(ERROR_SUCCESS, DeleteRegKey(HKEY_CURRENT_USER, "\\"));
}

TEST_F(Registry, MachineKeysDeleteOneLevelAtATime) {
    std::string sub = std::string(Scratch) + "\\A\\B";
    EXPECT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, sub.c_str(), "N", 5));
    EXPECT_EQ(5u, Dword(HKEY_LOCAL_MACHINE, sub.c_str(), "N", 0));
    DeleteRegValue(HKEY_LOCAL_MACHINE, sub.c_str(), "N");
    EXPECT_EQ(0u, Dword(HKEY_LOCAL_MACHINE, sub.c_str(), "N", 0));
    DeleteRegValue(HKEY_LOCAL_MACHINE, "Software\\ZkMissing", "N"); // nothing to do
    std::string mid = std::string(Scratch) + "\\A";
    EXPECT_NE(ERROR_SUCCESS, DeleteRegKey(HKEY_LOCAL_MACHINE, mid.c_str())); // has a sub-key
    EXPECT_EQ(ERROR_SUCCESS, DeleteRegKey(HKEY_LOCAL_MACHINE, sub.c_str()));
    EXPECT_EQ(ERROR_SUCCESS, DeleteRegKey(HKEY_LOCAL_MACHINE, mid.c_str()));
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, mid.c_str()));
}

TEST_F(Registry, OverLongPathsAreRefusedByEveryCall) {
    std::string longName = std::string(Scratch) + "\\" + std::string(200, 'n');
    std::string tooLong = longName + "\\" + std::string(60, 'm'); // fits no 256-byte buffer
    const char* path = tooLong.c_str();
    EXPECT_FALSE(SetRegString(HKEY_LOCAL_MACHINE, path, "v", "text"));
    EXPECT_FALSE(SetRegDword(HKEY_LOCAL_MACHINE, path, "v", 1));
    EXPECT_FALSE(SetRegBinary(HKEY_LOCAL_MACHINE, path, "v", 1, "x"));
    EXPECT_EQ(nullptr, CreateKeyForWrite(HKEY_LOCAL_MACHINE, path));
    // Nothing was created on the way, not even the part that would fit.
    EXPECT_FALSE(raw::KeyExists(HKEY_LOCAL_MACHINE, longName.c_str()));
    EXPECT_FALSE(raw::KeyExists(HKEY_LOCAL_MACHINE, Scratch));
    // Reads give the default even where a cut path would name a real key.
    ASSERT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, longName.c_str(), "v", 1));
    std::string cutToFit = longName + "\\";
    cutToFit += std::string(KeyPathSize - 1 - cutToFit.size(), 'm');
    ASSERT_TRUE(SetRegDword(HKEY_LOCAL_MACHINE, cutToFit.c_str(), "v", 1));
    EXPECT_EQ(4u, Dword(HKEY_LOCAL_MACHINE, path, "v", 4));
    char text[8];
    EXPECT_FALSE(GetRegString(HKEY_LOCAL_MACHINE, path, "v", text, sizeof text, "d"));
    EXPECT_STREQ("d", text);
    EXPECT_FALSE(RegKeyExists(HKEY_LOCAL_MACHINE, path));
    EXPECT_EQ(nullptr, OpenKeyForRead(HKEY_LOCAL_MACHINE, path));
    EXPECT_NE(ERROR_SUCCESS, DeleteRegKey(HKEY_LOCAL_MACHINE, path));
    EXPECT_TRUE(RegKeyExists(HKEY_LOCAL_MACHINE, cutToFit.c_str()));
    std::string settings(KeyPathSize, 's');
    EXPECT_FALSE(SetSettingDword(settings.c_str(), "v", 1));
    EXPECT_FALSE(raw::KeyExists(HKEY_CURRENT_USER, "Software\\Zelkova"));
}

} // namespace
