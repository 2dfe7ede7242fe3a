// Scale entries read through a real translation file.
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <string>
#include "uninstall/localisation/crc32.h"
#include "uninstall/localisation/language_resources.h"

namespace {

std::string ScaleKey(const char* section) {
    std::string keyed = std::string("$") + section;
    char key[9];
    snprintf(key, sizeof key, "%08x",
             static_cast<unsigned>(~Crc32Update(0xFFFFFFFFu, keyed.data(), keyed.size())));
    return key;
}

class Scale : public ::testing::Test {
  protected:
    LanguageResources table;
    std::string path = testing::TempDir() + "/scale_test.lng";

    void Load(const std::string& entries) {
        std::string text = "; scale entries\n***messages***\n" + entries + "\n\n\n";
        FILE* f = fopen(path.c_str(), "wb");
        ASSERT_NE(nullptr, f);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
        table.ReadTable(path.c_str());
        ASSERT_TRUE(table.IsLoaded());
    }
    void TearDown() override { remove(path.c_str()); }

    // "xs ys scaled" for one section
    std::string Get(const char* section) {
        int xs = -1, ys = -1;
        bool scaled = table.GetScale(section, &xs, &ys);
        return std::to_string(xs) + " " + std::to_string(ys) + (scaled ? " scaled" : "");
    }
};

TEST(ScaleKeys, MatchTheDocumentedKey) {
    EXPECT_EQ("9b889d24", ScaleKey("SETUPDLG"));
}

TEST_F(Scale, EntriesAreReadLikeAtoiOnBothSidesOfTheStar) {
    Load(ScaleKey("A") + "=\"120*110\"\n" + ScaleKey("B") + "=\"  +115*  105 wide\"\n" +
         ScaleKey("C") + "=\"120*\"\n" + ScaleKey("D") + "=\"100*100\"\n" + ScaleKey("E") +
         "=\"150x150\"\n" + ScaleKey("F") + "=\"100*100*150\"");
    EXPECT_EQ("120 110 scaled", Get("A"));
    EXPECT_EQ("115 105 scaled", Get("B"));
    EXPECT_EQ("100 100", Get("C")); // no height: 0 is refused, see below
    EXPECT_EQ("100 100", Get("D"));
    EXPECT_EQ("100 100", Get("E")); // no star
    EXPECT_EQ("100 100", Get("F")); // the number after the first star
    EXPECT_EQ("100 100", Get("Missing"));
}

TEST_F(Scale, PercentagesThatWouldCollapseOrOverflowAreIgnored) {
    Load(ScaleKey("Zero") + "=\"0*100\"\n" + ScaleKey("Negative") + "=\"120*-5\"\n" +
         ScaleKey("Huge") + "=\"99999999999*100\"\n" + ScaleKey("Big") + "=\"1001*100\"\n" +
         ScaleKey("Edge") + "=\"1*1000\"");
    EXPECT_EQ("100 100", Get("Zero"));
    EXPECT_EQ("100 100", Get("Negative"));
    EXPECT_EQ("100 100", Get("Huge"));
    EXPECT_EQ("100 100", Get("Big"));
    EXPECT_EQ("1 1000 scaled", Get("Edge"));
}

TEST(ScaleWithoutTable, NeverScales) {
    LanguageResources none;
    int xs = 0, ys = 0;
    EXPECT_FALSE(none.GetScale("SETUPDLG", &xs, &ys));
    EXPECT_EQ(100, xs);
    EXPECT_EQ(100, ys);
}

} // namespace
