#include <gtest/gtest.h>
#include <cstring>
#include "uninstall/localisation/crc32.h"
#include "uninstall/setup/new_menu_templates.h"

TEST(NewMenuTemplates, StoredWithoutArchiveMarkerUntilPrepared) {
    // Static data before any preparation: the first byte is zero, so the
    // program file carries neither marker.
    static const unsigned char zkvTail[] = {'k', 'v', '!', 0x1A, 0x07, 0x00};
    EXPECT_EQ(0, std::memcmp(ZkvNewMenuTemplate.bytes + 1, zkvTail, sizeof zkvTail));
    PrepareNewMenuTemplates();
    EXPECT_EQ('Z', ZkvNewMenuTemplate.bytes[0]);
    EXPECT_EQ('P', ZipNewMenuTemplate.bytes[0]);
}

TEST(NewMenuTemplates, ZkvTemplateIsAnEmptyArchiveWithAValidHeaderChecksum) {
    PrepareNewMenuTemplates();
    ASSERT_EQ(20u, ZkvNewMenuTemplate.size);
    const unsigned char* b = ZkvNewMenuTemplate.bytes;
    EXPECT_EQ(0, std::memcmp(b, "Zkv!\x1A\x07\x00", 7));
    InitCrcTable();
    std::uint32_t crc = ~Crc32Update(0xFFFFFFFFu, b + 9, 11);
    EXPECT_EQ(crc & 0xFFFF, static_cast<unsigned>(b[7] | b[8] << 8));
    EXPECT_EQ(0x73, b[9]);             // main header
    EXPECT_EQ(13, b[12] | b[13] << 8); // header size
    EXPECT_STREQ("zkvnew.dat", ZkvNewMenuTemplate.fileName);
}

TEST(NewMenuTemplates, ZipTemplateIsAnEmptyCentralDirectoryEnd) {
    PrepareNewMenuTemplates();
    ASSERT_EQ(22u, ZipNewMenuTemplate.size);
    static const unsigned char expected[22] = {'P', 'K', 5, 6};
    EXPECT_EQ(0, std::memcmp(expected, ZipNewMenuTemplate.bytes, 22));
    EXPECT_STREQ("zipnew.dat", ZipNewMenuTemplate.fileName);
}
