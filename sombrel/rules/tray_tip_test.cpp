#include "sombrel/rules/tray_tip.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

const LeadByteTest SingleByte = [](unsigned char) { return false; };

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

// In code page 936 the second byte of 钟 (D6 D3) could begin a character too:
// the boundaries are counted from the start of the text.
TEST(TrayTip, ATwoByteCharacterIsNeverSplitByTheCut) {
    const std::string han = "\xD6\xD3", a62(62, 'a');
    std::string c31 = "c";
    for (int i = 0; i < 31; ++i)
        c31 += han;
    const std::string cases[][2] = {
        {a62 + han, a62},                                 // it would end past byte 63
        {a62.substr(1) + han + "b", a62.substr(1) + han}, // it ends on byte 63
        {c31 + han, c31},
    };
    char tip[64];
    for (const auto& c : cases) {
        FillTrayTip(c[0].c_str(), tip, sizeof tip,
                    [](unsigned char b) { return b >= 0x81 && b <= 0xFE; });
        EXPECT_EQ(c[1], tip) << c[0].size() << " bytes";
    }
}
