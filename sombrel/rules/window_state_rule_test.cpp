#include "sombrel/rules/window_state_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace {
constexpr short kNormal = 0, kMinimised = 1, kMaximised = 2;

// The enabled items as a word: Maximize, miNimize, Move, Restore, Size.
std::string Enabled(int state) {
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
    EXPECT_EQ("XNMS", Enabled(kNormal));
    EXPECT_EQ("XR", Enabled(kMinimised));
    EXPECT_EQ("NR", Enabled(kMaximised));
}

TEST(WindowStateRule, LastStateSkipsTheMinimisedState) {
    short last = kNormal;
    last = NextLastState(kMaximised, last);
    EXPECT_EQ(kMaximised, last);
    last = NextLastState(kMinimised, last);
    EXPECT_EQ(kMaximised, last); // maximised, then minimised: comes back maximised
    last = NextLastState(kNormal, last);
    EXPECT_EQ(kNormal, last);
    last = NextLastState(kMinimised, last);
    EXPECT_EQ(kNormal, last);
}
