#include "sombrel/rules/tray_tip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
bool SingleByte(unsigned char) {
    return false;
}
// Code page 936: 0x81 to 0xFE begin a two-byte character, whose second byte
// may lie in that range too.
bool Lead936(unsigned char byte) {
    return byte >= 0x81 && byte <= 0xFE;
}
} // namespace

TEST(TrayTip, TextThenNulThenSpacesToTheEnd) {
    char tip[64];
    std::memset(tip, 'x', sizeof tip);
    FillTrayTip("Ostrel tray icon program", tip, sizeof tip, SingleByte);
    EXPECT_STREQ("Ostrel tray icon program", tip);
    EXPECT_EQ(std::string(64 - 25, ' '), std::string(tip + 25, 64 - 25));
}

TEST(TrayTip, LongTextIsCutSoItsNulFits) {
    char tip[8];
    FillTrayTip("0123456789", tip, sizeof tip, SingleByte);
    EXPECT_STREQ("0123456", tip);

    FillTrayTip("0123456", tip, sizeof tip, SingleByte); // exactly fills the field
    EXPECT_STREQ("0123456", tip);

    FillTrayTip("", tip, sizeof tip, SingleByte);
    EXPECT_EQ(std::string("\0       ", 8), std::string(tip, 8));
}

TEST(TrayTip, ATwoByteCharacterIsNeverSplitByTheCut) {
    const std::string han = "\xD6\xD3"; // 钟: its second byte could begin a character too
    std::string han40;
    for (int i = 0; i < 40; ++i)
        han40 += han;
    const std::string a62(62, 'a'), a61(61, 'a');
    const struct {
        std::string text, tip;
    } cases[] = {
        {a62 + han, a62},                             // the character would end past byte 63
        {a61 + han + "b", a61 + han},                 // it ends on byte 63
        {std::string(40, 'x'), std::string(40, 'x')}, // short texts stay whole
        {han40, han40.substr(0, 62)},                 // 31 characters
        {"c" + han40, "c" + han40.substr(0, 62)},     // 1 + 31 characters
    };
    char tip[64];
    for (const auto& c : cases) {
        FillTrayTip(c.text.c_str(), tip, sizeof tip, Lead936);
        EXPECT_EQ(c.tip, tip) << c.text.size() << " bytes";
        EXPECT_EQ(std::string(63 - c.tip.size(), ' '),
                  std::string(tip + c.tip.size() + 1, 63 - c.tip.size()));
    }
}
