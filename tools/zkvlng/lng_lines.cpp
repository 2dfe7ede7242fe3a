#include "tools/zkvlng/lng_lines.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr int KeyLength = 8;
} // namespace

// Lines of the file; CR LF, LF and CR each end one.
std::vector<Line> SplitLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t start = 0;
    int number = 1;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back({start, i, number++});
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    return lines;
}

int LineAt(const std::vector<Line>& lines, std::size_t position) {
    auto after = std::upper_bound(lines.begin(), lines.end(), position,
                                  [](std::size_t p, const Line& l) { return p < l.start; });
    return after == lines.begin() ? 1 : (after - 1)->number;
}

bool IsEntry(const std::string& line) {
    if (line.size() < KeyLength + 2 || line[KeyLength] != '=' || line[KeyLength + 1] != '"')
        return false;
    for (int i = 0; i < KeyLength; ++i) {
        if (!std::strchr("0123456789abcdef", line[i])) return false;
    }
    return true;
}

bool IsCommentOrBlank(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string::npos || line[first] == ';';
}

std::string Hex(unsigned char c) {
    const char* digits = "0123456789ABCDEF";
    return {digits[c >> 4], digits[c & 15]};
}

// Where the first bad byte of an entry is: a lead byte with no trail byte,
// or bytes the code page does not have.
bool BadBytes(const std::string& line, const CodePage& codePage, std::string* why) {
    const LeadByteTable& lead = codePage.Lead();
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (!lead.isLead[c]) continue;
        if (i + 1 >= line.size() || static_cast<unsigned char>(line[i + 1]) < 0x40) {
            *why = "lone lead byte 0x" + Hex(c) + " at column " + std::to_string(i + 1) +
                   " (half a character)";
            return true;
        }
        ++i;
    }
    if (!codePage.Valid(line)) {
        *why = "bytes that are not valid in code page " + std::to_string(codePage.Number());
        return true;
    }
    return false;
}

// UTF-16 by its byte-order mark, or by zero bytes in every other place.
bool LooksLikeUtf16(const std::string& bytes) {
    if (bytes.compare(0, 2, "\xFF\xFE") == 0 || bytes.compare(0, 2, "\xFE\xFF") == 0) return true;
    const std::size_t pairs = std::min<std::size_t>(bytes.size() / 2, 64);
    std::size_t zeros = 0;
    for (std::size_t i = 0; i < pairs; ++i)
        zeros += bytes[2 * i] == '\0' || bytes[2 * i + 1] == '\0';
    return pairs >= 4 && zeros == pairs;
}
