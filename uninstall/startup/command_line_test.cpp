#include <gtest/gtest.h>
#include "uninstall/startup/command_line.h"

namespace {

struct Case {
    const char* tail;
    Mode mode;
    bool silent;
};

const char* Name(Mode mode) {
    const char* const names[] = {"Uninstall", "Setup", "Wait", "Warning", "Clean", "None"};
    return names[static_cast<int>(mode)];
}

template <std::size_t N> void ExpectModes(const Case (&cases)[N]) {
    for (const Case& c : cases) {
        CommandLine parsed = ParseCommandLine(c.tail);
        EXPECT_STREQ(Name(c.mode), Name(parsed.mode)) << '"' << c.tail << '"';
        EXPECT_EQ(c.silent, parsed.silent) << '"' << c.tail << '"';
    }
}

TEST(ParseCommandLine, ModesAndSilence) {
    const Case cases[] = {
        {"", Mode::Uninstall, false},
        {"anything else", Mode::Uninstall, false},
        {"/s", Mode::None, true}, // silent, but "/s" itself is no keyword
        {"/S", Mode::None, true},
        {"/setup", Mode::Setup, false},
        {"/setup /s", Mode::Setup, true},
        {"/setup /S", Mode::Setup, true},
        {"/SETUP /s", Mode::Setup, true},
        {"/setup /s ", Mode::None, false}, // "/s " is the last switch and matches nothing
        {"/setup /sx", Mode::None, false},
        {"/s /setup", Mode::Setup, false},
        {"/wait /setup", Mode::Setup, false},
        {"/setup /wait", Mode::Wait, false},
        {"/wait", Mode::Wait, false},
        {"/warning", Mode::Warning, false},
        {"/WARNING", Mode::Warning, false},
        {"/warnin", Mode::None, false}, // shorter than the keyword
        {"/warn", Mode::None, false},
        {"/warnings", Mode::Warning, false}, // longer: a prefix match
        {"/setupxyz", Mode::Setup, false},
        {"/setup now", Mode::Setup, false}, // the switch runs to the end of the tail
        {"/clean", Mode::Clean, false},
        {"/Clean", Mode::Clean, false},
        {"/", Mode::None, false},
        {"/x", Mode::None, false},
        {"x/s", Mode::None, true},
        {"x/setup", Mode::Setup, false},
        {"/wait /clean /s", Mode::Wait, true}, // from the first '/': "/wait /clean /s"
        {"C:\\\xd5\xe2/s", Mode::None, true},  // bytes are searched, not characters
    };
    ExpectModes(cases);
}

TEST(ParseCommandLine, UninstallAsASwitchAndSilently) {
    const Case cases[] = {
        {"/uninstall", Mode::Uninstall, false},
        {"/uninstall /s", Mode::Uninstall, true},
        {"/UNINSTALL /S", Mode::Uninstall, true},
        {"/uninstallnow", Mode::Uninstall, false}, // a prefix match, like every keyword
        {"/uninstal /s", Mode::None, true},        // shorter than the keyword
        {"/u", Mode::None, false},
        {"/uninstall /s ", Mode::None, false}, // "/s " is the last switch and matches nothing
        {"/s /uninstall", Mode::Uninstall, false},
        {"/uninstall /setup", Mode::Setup, false}, // the last switch decides
        {"/setup /uninstall", Mode::Uninstall, false},
        {"/uninstall /warning /s", Mode::Uninstall, true},
    };
    ExpectModes(cases);
}

TEST(CommandLineTail, SkipsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_STREQ("", CommandLineTail(""));
    EXPECT_STREQ("", CommandLineTail("uninstall.exe"));
    EXPECT_STREQ("/setup /s", CommandLineTail("uninstall.exe /setup /s"));
    EXPECT_STREQ("/setup /s ", CommandLineTail("uninstall.exe \t /setup /s "));
    EXPECT_STREQ("/wait", CommandLineTail("\"C:\\Program Files\\Zelkova\\uninstall.exe\" /wait"));
    EXPECT_STREQ("/wait", CommandLineTail("\"C:\\a b\\u.exe\"/wait"));
    EXPECT_STREQ("", CommandLineTail("\"C:\\no closing quote /setup"));
    EXPECT_STREQ("/s", CommandLineTail("C:\\Zelkova\\uninstall.exe\t/s"));
    EXPECT_STREQ("", CommandLineTail("\"\"   "));
}

} // namespace
