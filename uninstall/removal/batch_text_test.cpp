#include "uninstall/removal/batch_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Batch(const BatchPaths& paths, bool nt, bool warning = true) {
    std::string text;
    for (int i = 0; i < BatchPieceCount; ++i) {
        char piece[1024];
        int length = BatchPiece(i, paths, nt, warning, piece, sizeof piece);
        EXPECT_GE(length, 0);
        text.append(piece, static_cast<std::size_t>(length));
    }
    return text;
}

std::string Attempts(const std::string& program, const std::string& folder) {
    std::string block = "del \"" + program + "\"\r\nrd \"" + folder + "\"\r\nif not exist \"" +
                        program + "\" goto done\r\n";
    return block + block + block + block + block;
}

TEST(BatchText, NtFamilyRunsTheWaitingInstanceDirectly) {
    const BatchPaths paths = {"C:\\Zkv\\uninstall.exe", "C:\\Zkv", "C:\\Temp\\Uninstall_Zkv.Bat"};
    EXPECT_EQ(
        Batch(paths, true),
        "\"C:\\Zkv\\uninstall.exe\" /wait\r\n" + Attempts("C:\\Zkv\\uninstall.exe", "C:\\Zkv") +
            ":done\r\nif exist \"C:\\Zkv\\uninstall.exe\" \"C:\\Zkv\\uninstall.exe\" /warning\r\n"
            "del \"C:\\Temp\\Uninstall_Zkv.Bat\"");
}

TEST(BatchText, Windows95FamilyStartsItAndWaits) {
    const BatchPaths paths = {"C:\\uninstall.exe", "C:\\", "C:\\WINDOWS\\TEMP\\Uninstall_Zkv.Bat"};
    std::string text = Batch(paths, false);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "start /wait \"C:\\uninstall.exe\" /wait\r\n");
    // A program in a drive root names the root in its "rd" line.
    EXPECT_NE(text.find("rd \"C:\\\"\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), "del \"C:\\WINDOWS\\TEMP\\Uninstall_Zkv.Bat\"");
}

TEST(BatchText, WithoutWarningOnlyTheLineThatStartsTheNoticeIsLeftOut) {
    const BatchPaths paths = {"C:\\Zkv\\uninstall.exe", "C:\\Zkv", "C:\\T\\b.bat"};
    for (bool nt : {true, false}) {
        std::string interactive = Batch(paths, nt);
        const std::string line =
            "if exist \"C:\\Zkv\\uninstall.exe\" \"C:\\Zkv\\uninstall.exe\" /warning\r\n";
        std::size_t at = interactive.find(line);
        ASSERT_NE(at, std::string::npos);
        EXPECT_EQ(Batch(paths, nt, false), interactive.erase(at, line.size()));
    }
}

TEST(BatchText, PiecesThatDoNotFitAreRefused) {
    const BatchPaths paths = {"C:\\Zkv\\uninstall.exe", "C:\\Zkv", "C:\\T\\b.bat"};
    char piece[64];
    EXPECT_EQ(BatchPiece(0, paths, true, true, piece, sizeof piece), 30);
    EXPECT_EQ(BatchPiece(1, paths, true, true, piece, sizeof piece), -1);
    EXPECT_EQ(BatchPiece(BatchPieceCount, paths, true, true, piece, sizeof piece), -1);
}

TEST(BatchText, IndexesOutsideThePiecesGiveNothing) {
    const BatchPaths paths = {"C:\\Zkv\\uninstall.exe", "C:\\Zkv", "C:\\T\\b.bat"};
    char piece[256] = "#";
    for (int index : {-1000, -2, -1, BatchPieceCount, BatchPieceCount + 1}) {
        for (bool warning : {true, false})
            EXPECT_EQ(BatchPiece(index, paths, true, warning, piece, sizeof piece), -1) << index;
        EXPECT_EQ('#', piece[0]) << index;
    }
}

TEST(DoublePercent, EveryPercentIsDoubledAndOverlongTextRefused) {
    char out[16];
    EXPECT_TRUE(DoublePercent("C:\\50%\\%x%", out, sizeof out));
    EXPECT_STREQ(out, "C:\\50%%\\%%x%%");
    EXPECT_TRUE(DoublePercent("\xB0\xD9%", out, sizeof out)); // two-byte text passes unchanged
    EXPECT_STREQ(out, "\xB0\xD9%%");
    EXPECT_FALSE(DoublePercent("%%%%%%%%", out, sizeof out)); // needs 17 bytes
    EXPECT_STREQ(out, "");
}

TEST(DoublePercent, EverySizeKeepsTheContract) {
    // Size 0 leaves no room for the terminator: nothing is written, nothing fits.
    char guard[2] = {'#', '#'};
    EXPECT_FALSE(DoublePercent("", guard, 0));
    EXPECT_FALSE(DoublePercent("a", guard, 0));
    EXPECT_EQ('#', guard[0]);
    // "a%b" doubles to 4 bytes plus the terminator: it fits from size 5 on.
    for (std::size_t size = 1; size <= 7; ++size) {
        char out[8];
        std::memset(out, '#', sizeof out);
        EXPECT_EQ(size >= 5, DoublePercent("a%b", out, size)) << size;
        EXPECT_STREQ(size >= 5 ? "a%%b" : "", out) << size;
        for (std::size_t i = size; i < sizeof out; ++i)
            EXPECT_EQ('#', out[i]) << size;
    }
}

} // namespace
