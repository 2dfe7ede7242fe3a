#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
TEST(Harness, WineRunsWithChineseCodePage) { EXPECT_EQ(936u, GetACP()); }
#endif
TEST(Harness, Runs) { EXPECT_EQ(4, 2 + 2); }
