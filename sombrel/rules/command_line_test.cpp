#include "sombrel/rules/command_line.h"
#include "sombrel/rules/sombrel_commands.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Line(const ProgramCommand& command, size_t size = kCommandLineSize) {
    char line[kCommandLineSize];
    if (!BuildCommandLine(command, line, size)) return "<refused>";
    return line;
}
} // namespace

TEST(CommandLine, ProgramPathIsQuotedSoItsSpacesCannotSplitIt) {
    EXPECT_EQ("\"C:\\Program Files\\Zelkova\\Zkv.exe\" -ioff", Line(kShutdownCommand));
    EXPECT_EQ("\"f:\\aa\\ts\\Tavlin.exe\"", Line(kAlarmCommand));
    EXPECT_EQ("\"f:\\aa\\calendar\\calendar.exe\"", Line(kCalendarCommand));
}

TEST(CommandLine, RefusesWhatDoesNotFitOrCannotBeQuoted) {
    const ProgramCommand command = {"C:\\a b\\p.exe", "-x"}; // 17 characters quoted
    EXPECT_EQ("\"C:\\a b\\p.exe\" -x", Line(command, 18));
    EXPECT_EQ("<refused>", Line(command, 17));
    EXPECT_EQ("<refused>", Line({"C:\\a\"b.exe", ""}));

    char line[4] = "abc";
    EXPECT_FALSE(BuildCommandLine(command, line, sizeof line));
    EXPECT_STREQ("", line);
}
