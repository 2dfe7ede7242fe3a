#include "tools/zkvlng/lng_check.h"
#include "uninstall/common/lead_bytes.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/res_string_format.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

const char Marker[] = "***messages**";      // what the program looks for
constexpr std::size_t MarkerLimit = 130816; // the last offset the program's search reaches
constexpr std::size_t TableLimit = 65536;
constexpr int KeyLength = 8;
constexpr char Separator = '\x0C';

struct Line {
    std::size_t start, end; // bytes of the line, without its line end
    int number;
};

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

// "W*H" with both from 1 to 1000.
bool ValidScale(const char* value, std::string* why) {
    const char* star = std::strchr(value, '*');
    auto number = [](const char* from, const char* to, long* n) {
        if (from == to || to - from > 9) return false;
        for (const char* p = from; p < to; ++p) {
            if (*p < '0' || *p > '9') return false;
        }
        *n = std::strtol(from, nullptr, 10);
        return true;
    };
    long w = 0, h = 0;
    if (!star || !number(value, star, &w) || !number(star + 1, star + std::strlen(star), &h)) {
        *why = "is not of the form W*H (width and height in percent, for example 110*100)";
        return false;
    }
    if (w < 1 || w > 1000 || h < 1 || h > 1000) {
        *why = "has a percentage outside 1 to 1000";
        return false;
    }
    return true;
}

// Where the first bad byte of an entry is: a lead byte with no trail byte,
// or bytes the code page does not have.
bool BadBytes(const std::string& line, const CodePage& codePage, const LeadByteTable& lead,
              std::string* why) {
    for (std::size_t i = 0; i < line.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (!lead.isLead[c]) continue;
        if (i + 1 >= line.size() || static_cast<unsigned char>(line[i + 1]) < 0x40) {
            const char* digits = "0123456789ABCDEF";
            const char hex[] = {'0', 'x', digits[c >> 4], digits[c & 15], '\0'};
            *why = std::string("lone lead byte ") + hex + " at column " + std::to_string(i + 1) +
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

} // namespace

CheckResult CheckTranslationFile(const char* path, const CodePage& codePage,
                                 const std::vector<SourceText>& sources, bool withProgram) {
    CheckResult result;
    auto error = [&](int line, const std::string& message) {
        result.errors.push_back({line, message});
    };
    std::string bytes;
    if (std::FILE* file = std::fopen(path, "rb")) {
        char block[65536];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;)
            bytes.append(block, got);
        std::fclose(file);
    } else {
        error(0, "cannot open the file");
        return result;
    }

    // The program's own reading of the file.
    LanguageResources table;
    char absolute[PATH_MAX];
    if (!realpath(path, absolute)) {
        error(0, "cannot open the file");
        return result;
    }
    table.ReadTable(absolute);
    const std::vector<Line> lines = SplitLines(bytes);
    const std::size_t marker = bytes.find(Marker);
    if (!table.IsLoaded()) {
        if (marker == std::string::npos)
            error(0, "no marker line ***messages***: the program reads nothing of this file");
        else if (marker > MarkerLimit)
            error(LineAt(lines, marker), "the marker line starts too far into the file: the "
                                         "program looks for it only in the first 130,816 bytes");
        else
            error(LineAt(lines, marker), "the file ends too soon: the program needs at least 16 "
                                         "bytes from the marker on");
        return result;
    }
    const bool utf8Signature = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    if (utf8Signature)
        error(1, "the file starts with a UTF-8 signature: save it in code page " +
                     std::to_string(codePage.Number()) + " without a signature");
    std::size_t tableEnd = std::min(bytes.size(), marker + TableLimit);
    const std::size_t zero = bytes.find('\0', marker);
    const bool endsAtZero = zero < tableEnd;
    if (endsAtZero) {
        error(LineAt(lines, zero), "a zero byte ends the table here: the program reads nothing "
                                   "after it");
        tableEnd = zero;
    }
    const bool utf8 = LooksLikeUtf8(bytes.substr(marker, tableEnd - marker));
    if (utf8 && !utf8Signature)
        error(0, "the file is saved as UTF-8: the program reads it in code page " +
                     std::to_string(codePage.Number()) + "; save it in that code page");

    // Entries in the order of the file, by key.
    const LeadByteTable lead = LeadByteTable::ForCodePage(codePage.Number());
    std::map<std::string, std::vector<int>> entryLines;
    std::vector<std::string> keys;
    bool pastLimitReported = endsAtZero; // the zero byte is reported where it is
    for (const Line& l : lines) {
        if (l.start <= marker) continue; // before the table, or the marker line itself
        const std::string text = bytes.substr(l.start, l.end - l.start);
        if (l.end > tableEnd) {
            if (!pastLimitReported && IsEntry(text)) {
                error(l.number, std::string("this entry ") +
                                    (l.start < tableEnd ? "reaches" : "lies") +
                                    " past the 64 KB the program reads from the marker on: it "
                                    "and everything after it are ignored");
                pastLimitReported = true;
            }
            continue;
        }
        if (IsCommentOrBlank(text)) continue;
        if (!IsEntry(text)) {
            error(l.number, "neither an entry (8 lower-case hex digits, =, a quoted "
                            "translation) nor a comment (;)");
            continue;
        }
        std::string why;
        if (!utf8 && BadBytes(text, codePage, lead, &why)) error(l.number, why);
        const std::string key = text.substr(0, KeyLength);
        if (entryLines[key].empty()) keys.push_back(key);
        entryLines[key].push_back(l.number);
    }

    // The line the program takes a key's translation from.
    auto usedLine = [&](const std::string& key) {
        const char* found = table.FindSorted(key.c_str());
        if (!found) found = table.FindLinear(key.c_str());
        if (!found) return 0;
        // The n-th separator of the table stands for the n-th raw line end.
        const long separators = std::count(static_cast<const char*>(table.text), found, Separator);
        std::size_t position = marker;
        for (long seen = 0; position < tableEnd && seen < separators; ++position)
            seen += bytes[position] == '\r' || bytes[position] == '\n' || bytes[position] == '\f';
        return LineAt(lines, position);
    };

    std::vector<char> value(TableLimit + 1);
    for (const std::string& key : keys) {
        const std::vector<int>& at = entryLines[key];
        const int used = usedLine(key);
        if (at.size() > 1) {
            std::string others;
            for (int n : at)
                others += (others.empty() ? "" : ", ") + std::to_string(n);
            for (std::size_t i = 1; i < at.size(); ++i)
                error(at[i], "key " + key + " appears more than once (lines " + others +
                                 "); the program uses line " + std::to_string(used));
        }
        const auto source = std::find_if(sources.begin(), sources.end(),
                                         [&](const SourceText& s) { return s.key == key; });
        if (source == sources.end()) {
            if (withProgram)
                error(at[0], "key " + key +
                                 " matches no source text of the program (a text "
                                 "that has changed, or a mistyped key)");
            continue;
        }
        const int line = used ? used : at[0];
        const char* section = source->section.empty() ? nullptr : source->section.c_str();
        const LanguageResources::Kind kind =
            source->kind == 's' ? LanguageResources::String : LanguageResources::Dialog;
        table.Translate(value.data(), value.size(), source->text.c_str(), section, kind, lead);
        const std::string whole = value.data();
        std::string why;
        if (source->use == SourceText::Scale && !ValidScale(whole.c_str(), &why))
            error(line, "the scale of " + source->section + " \"" + whole + "\" " + why +
                            ": the program leaves the dialog as it is");
        if (source->use == SourceText::Direction && whole != "RTL" && whole != "LTR")
            error(line, "the direction \"" + whole +
                            "\" is neither RTL nor LTR: the program "
                            "lays the dialogs out left to right");
        if (whole.size() > static_cast<std::size_t>(source->bufferSize - 1))
            error(line, "the translation of " + source->where + " is " +
                            std::to_string(whole.size()) +
                            " bytes long: the program reads it "
                            "into " +
                            std::to_string(source->bufferSize) + " bytes and cuts it to " +
                            std::to_string(source->bufferSize - 1));
        if (source->use == SourceText::String && IsFormatString(source->stringId)) {
            table.Translate(value.data(), source->bufferSize, source->text.c_str(), nullptr, kind,
                            lead);
            if (!IsSingleTextFormat(value.data()))
                error(line, "the translation of " + source->where +
                                " must hold exactly one %s "
                                "and no other % conversion (%% for a percent sign): the program "
                                "refuses it and shows its own text");
        }
    }
    if (withProgram) {
        for (const SourceText& s : sources) {
            if ((s.use == SourceText::String || s.use == SourceText::DialogText) &&
                !table.FindSorted(s.key.c_str()) && !table.FindLinear(s.key.c_str()))
                result.untranslated.push_back(&s);
        }
    }
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return result;
}
