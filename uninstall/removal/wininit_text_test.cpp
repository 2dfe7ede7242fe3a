#include "uninstall/removal/wininit_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Added(const std::string& ini, const char* lines, std::size_t size = 4096) {
    std::string out(size, '\x7f');
    long length = AddRenameLines(ini.data(), ini.size(), lines, &out[0], size);
    if (length < 0) {
        EXPECT_EQ(out[0], '\0');
        return "<refused>";
    }
    EXPECT_EQ(out[static_cast<std::size_t>(length)], '\0');
    return out.substr(0, static_cast<std::size_t>(length));
}

const char* const Line = "NUL=C:\\PROGRA~1\\ZELKOVA\\ZKVEXT.DLL\r\n";

TEST(WininitText, ANewFileGetsTheSection) {
    EXPECT_EQ(Added("", Line), std::string("[rename]\r\n") + Line);
}

TEST(WininitText, LinesGoBelowAnExistingHeaderAndEverythingElseStays) {
    const std::string before =
        "[Setup]\r\nx=1\r\n[Rename]\r\nNUL=C:\\OLD.TMP\r\n[Other]\r\ny=2\r\n";
    EXPECT_EQ(Added(before, Line), std::string("[Setup]\r\nx=1\r\n[Rename]\r\n") + Line +
                                       "NUL=C:\\OLD.TMP\r\n[Other]\r\ny=2\r\n");
}

TEST(WininitText, AHeaderWithBlanksAndOnlyLineFeedsIsFound) {
    EXPECT_EQ(Added("a=1\n  [RENAME] \t\nb=2\n", Line),
              std::string("a=1\n  [RENAME] \t\n") + Line + "b=2\n");
    // Only a whole header line counts.
    EXPECT_EQ(Added("[renamed]\r\nc=[rename]\r\n", Line),
              std::string("[renamed]\r\nc=[rename]\r\n[rename]\r\n") + Line);
}

TEST(WininitText, AnUnfinishedLastLineIsEndedFirst) {
    EXPECT_EQ(Added("[Other]\r\ny=2", Line), std::string("[Other]\r\ny=2\r\n[rename]\r\n") + Line);
    EXPECT_EQ(Added("[rename]", Line), std::string("[rename]\r\n") + Line);
}

TEST(WininitText, ATextThatDoesNotFitIsRefusedWhole) {
    const std::string ini = "[rename]\r\n";
    const std::string whole = ini + Line;
    EXPECT_EQ(Added(ini, Line, whole.size() + 1), whole);
    EXPECT_EQ(Added(ini, Line, whole.size()), "<refused>");
}

TEST(WininitText, DeleteLinesAreAppendedWhileTheyFit) {
    char lines[40] = "";
    EXPECT_TRUE(AppendDeleteLine(lines, sizeof lines, "C:\\ZKV\\A.DLL"));
    EXPECT_TRUE(AppendDeleteLine(lines, sizeof lines, "C:\\ZKV\\B.DLL"));
    EXPECT_STREQ(lines, "NUL=C:\\ZKV\\A.DLL\r\nNUL=C:\\ZKV\\B.DLL\r\n");
    EXPECT_FALSE(AppendDeleteLine(lines, sizeof lines, "C:\\ZKV\\C.DLL"));
    EXPECT_STREQ(lines, "NUL=C:\\ZKV\\A.DLL\r\nNUL=C:\\ZKV\\B.DLL\r\n");
}

} // namespace
