#include "sombrel/rules/window_state_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace {
// The enabled items as a word: Maximize, miNimize, Move, Restore, Size.
std::string Enabled(short state) {
    TrayItemsEnabled e = TrayItemsFor(state);
    std::string word;
    if (e.maximize) word += 'X';
    if (e.minimize) word += 'N';
    if (e.move) word += 'M';
    if (e.restore) word += 'R';
    if (e.size) word += 'S';
    return word;
}
} // namespace

TEST(WindowStateRule, PopupItemsFollowTheState) {
    EXPECT_EQ("XNMS", Enabled(kStateNormal));
    EXPECT_EQ("XR", Enabled(kStateMinimised));
    EXPECT_EQ("NR", Enabled(kStateMaximised));
}

TEST(WindowStateRule, LastStateSkipsTheMinimisedState) {
    short last = kStateNormal;
    last = NextLastState(kStateMaximised, last);
    EXPECT_EQ(kStateMaximised, last);
    last = NextLastState(kStateMinimised, last);
    EXPECT_EQ(kStateMaximised, last); // maximised, then minimised: comes back maximised
    last = NextLastState(kStateNormal, last);
    EXPECT_EQ(kStateNormal, last);
    last = NextLastState(kStateMinimised, last);
    EXPECT_EQ(kStateNormal, last);
}
