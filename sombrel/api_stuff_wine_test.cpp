// The icon data that really goes to the shell: the first form of
// NOTIFYICONDATAA, whose tip field ends after 64 bytes.
#include "sombrel/api_stuff.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
class TrayTipField : public ::testing::Test {
  protected:
    // Marks every byte of the tip array, the part past the first form too.
    void SetUp() override { std::memset(TrayIconData.szTip, 'x', sizeof TrayIconData.szTip); }
    static std::string Field() { return std::string(TrayIconData.szTip, 64); }
    static std::string PastTheFirstForm() {
        return std::string(TrayIconData.szTip + 64, sizeof TrayIconData.szTip - 64);
    }
};
} // namespace

TEST_F(TrayTipField, TipIsTheTextThenANulThenSpacesToByte64) {
    TraySetTip("Ostrel tray icon program");
    EXPECT_EQ(std::string("Ostrel tray icon program") + '\0' + std::string(39, ' '), Field());
    EXPECT_EQ(static_cast<UINT>(NIF_TIP), TrayIconData.uFlags);
    EXPECT_EQ(std::string(sizeof TrayIconData.szTip - 64, 'x'), PastTheFirstForm());
}

TEST_F(TrayTipField, ALongTextIsCutAt63Bytes) {
    const std::string text(100, 'T');
    TraySetTip(text.c_str());
    EXPECT_EQ(std::string(63, 'T') + '\0', Field());
    EXPECT_EQ(std::string(sizeof TrayIconData.szTip - 64, 'x'), PastTheFirstForm());

    TraySetTip(std::string(63, 'U').c_str()); // exactly fills the field
    EXPECT_EQ(std::string(63, 'U') + '\0', Field());
}

TEST_F(TrayTipField, ACutNeverSplitsATwoByteCharacterOfTheCodePage) {
    if (GetACP() != 936) GTEST_SKIP() << "code page " << GetACP();
    TraySetTip((std::string(62, 'T') + "\xD6\xD3").c_str()); // 钟 would end on byte 64
    EXPECT_EQ(std::string(62, 'T') + '\0' + ' ', Field());
}
