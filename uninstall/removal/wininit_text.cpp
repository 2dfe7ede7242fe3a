#include "uninstall/removal/wininit_text.h"

#include <cstring>

#include "uninstall/common/format.h"

namespace {

constexpr const char Header[] = "[rename]";
constexpr std::size_t HeaderLength = sizeof Header - 1;

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The offset just past the line that holds the section header, leading and
// trailing blanks allowed, names compared without case; -1 when none does.
long AfterHeaderLine(const char* ini, std::size_t length) {
    std::size_t line = 0;
    while (line < length) {
        std::size_t end = line;
        while (end < length && ini[end] != '\n')
            ++end;
        std::size_t p = line;
        while (p < end && (ini[p] == ' ' || ini[p] == '\t'))
            ++p;
        std::size_t matched = 0;
        while (matched < HeaderLength && p + matched < end &&
               AsciiLower(ini[p + matched]) == Header[matched])
            ++matched;
        if (matched == HeaderLength) {
            std::size_t rest = p + matched;
            while (rest < end && (ini[rest] == ' ' || ini[rest] == '\t' || ini[rest] == '\r'))
                ++rest;
            if (rest == end) return static_cast<long>(end < length ? end + 1 : end);
        }
        line = end + 1;
    }
    return -1;
}

} // namespace

long AddRenameLines(const char* ini, std::size_t length, const char* lines, char* out,
                    std::size_t size) {
    const std::size_t linesLength = std::strlen(lines);
    long header = AfterHeaderLine(ini, length);
    // Where the new lines go, and what must come before them there: a line
    // end after an unfinished last line, and the header when it is new.
    std::size_t at = header >= 0 ? static_cast<std::size_t>(header) : length;
    const bool unfinished = at > 0 && ini[at - 1] != '\n';
    const char* before = header >= 0 ? (unfinished ? "\r\n" : "")
                                     : (unfinished ? "\r\n[rename]\r\n" : "[rename]\r\n");
    const std::size_t beforeLength = std::strlen(before);
    const std::size_t total = length + beforeLength + linesLength;
    if (total >= size) {
        if (size > 0) out[0] = '\0';
        return -1;
    }
    std::memcpy(out, ini, at);
    std::memcpy(out + at, before, beforeLength);
    std::memcpy(out + at + beforeLength, lines, linesLength);
    std::memcpy(out + at + beforeLength + linesLength, ini + at, length - at);
    out[total] = '\0';
    return static_cast<long>(total);
}

bool AppendDeleteLine(char* lines, std::size_t size, const char* shortPath) {
    std::size_t length = std::strlen(lines);
    // A line that does not fit leaves the end empty, so lines stays as it was.
    return FormatWhole(lines + length, size - length, "NUL=%s\r\n", shortPath);
}
