#include "uninstall/startup/command_line.h"
#include <cstring>

namespace {

struct Keyword {
    const char* text;
    Mode mode;
};

// No keyword is a prefix of another, so at most one matches.
const Keyword Keywords[] = {
    {"/setup", Mode::Setup}, {"/wait", Mode::Wait},           {"/warning", Mode::Warning},
    {"/clean", Mode::Clean}, {"/uninstall", Mode::Uninstall},
};

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether text starts with keyword, ignoring case; a shorter text never does.
bool StartsWithNoCase(const char* text, const char* keyword) {
    for (; *keyword; ++text, ++keyword) {
        if (AsciiLower(*text) != *keyword) return false;
    }
    return true;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

const char* CommandLineTail(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        const char* closing = std::strchr(p + 1, '"');
        p = closing ? closing + 1 : p + std::strlen(p);
    } else {
        while (*p && !IsBlank(*p))
            ++p;
    }
    while (IsBlank(*p))
        ++p;
    return p;
}

CommandLine ParseCommandLine(const char* tail) {
    CommandLine result{Mode::Uninstall, false};
    const char* sw = std::strrchr(tail, '/');
    if (!sw) return result;
    if (AsciiLower(sw[1]) == 's' && sw[2] == '\0') {
        result.silent = true;
        sw = std::strchr(tail, '/');
    }
    result.mode = Mode::None;
    for (const Keyword& keyword : Keywords) {
        if (StartsWithNoCase(sw, keyword.text)) {
            result.mode = keyword.mode;
            break;
        }
    }
    return result;
}
