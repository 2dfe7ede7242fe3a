#include "tools/zkvlng/entry_reading.h"

#include <cstring>

namespace {
constexpr std::size_t ValueStart = 10; // key, '=' and the opening quote
const char EscapeLetters[] = "\"\\nrt";
const char EscapeMeanings[] = "\"\\\n\r\t";
} // namespace

EntryReading ReadEntry(const std::string& line, const LeadByteTable& lead) {
    EntryReading r{"", std::string::npos, false, false, std::string::npos, '\0'};
    std::size_t i = ValueStart;
    while (i < line.size()) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (lead.isLead[c] && i + 1 < line.size()) {
            r.value += line.substr(i, 2);
            if (line[i + 1] == '\\' && i + 2 < line.size()) {
                const char next = line[i + 2];
                if (next == '\\') {
                    i += 3; // the doubled form of the template
                    continue;
                }
                if (std::strchr("\"nrt", next) && r.backslashAt == std::string::npos) {
                    r.backslashAt = i;
                    r.escapeLetter = next;
                }
            }
            i += 2;
            continue;
        }
        if (c == '\\' && i + 1 < line.size()) {
            if (const char* letter = std::strchr(EscapeLetters, line[i + 1])) {
                r.value += EscapeMeanings[letter - EscapeLetters];
                i += 2;
                continue;
            }
        }
        if (c == '"') {
            r.closing = i;
            break;
        }
        r.value += line[i++];
    }
    if (r.closing != std::string::npos) {
        const std::string after = line.substr(r.closing + 1);
        r.quoteAfterClosing = after.find('"') != std::string::npos;
        r.textAfterClosing = after.find_first_not_of(" \t") != std::string::npos;
    }
    return r;
}
