#include "tools/zkvlng/lng_check.h"
#include "tools/zkvlng/entry_reading.h"
#include "tools/zkvlng/lng_lines.h"
#include "uninstall/localisation/language_resources.h"
#include "uninstall/localisation/res_string_format.h"
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {

const char Marker[] = "***messages**";      // what the program looks for
constexpr std::size_t MarkerLimit = 130816; // the last offset the program's search reaches
constexpr std::size_t TableLimit = 65536;
constexpr int KeyLength = 8;
constexpr char Separator = '\x0C';
constexpr int LastLineLimit = 255; // what the program takes of a last line without line end

std::string Numbers(const std::vector<int>& numbers) {
    std::string out;
    for (int n : numbers)
        out += (out.empty() ? "" : ", ") + std::to_string(n);
    return out;
}

} // namespace

std::size_t CheckResult::Count(bool warnings) const {
    return std::count_if(errors.begin(), errors.end(),
                         [&](const Finding& f) { return f.warning == warnings; });
}

CheckResult CheckTranslationFile(const char* path, const CodePage& codePage,
                                 const std::vector<SourceText>& sources, bool withProgram) {
    CheckResult result;
    auto error = [&](int line, const std::string& message) {
        result.errors.push_back({line, message, false});
    };
    auto warning = [&](int line, const std::string& message) {
        result.errors.push_back({line, message, true});
    };
    const std::string cp = std::to_string(codePage.Number());
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
    if (LooksLikeUtf16(bytes)) {
        error(0, "this file is UTF-16; save it in code page " + cp);
        return result;
    }
    const bool utf8Signature = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const bool utf8 = LooksLikeUtf8(bytes.substr(utf8Signature ? 3 : 0));
    if (utf8 && codePage.Number() != 65001) {
        error(0, "this file is UTF-8; save it in code page " + cp);
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
    if (utf8Signature)
        warning(1, "the file starts with a UTF-8 signature; the program skips it with everything "
                   "before the marker line, but save the file in code page " +
                       cp + " without it");
    std::size_t tableEnd = std::min(bytes.size(), marker + TableLimit);
    const std::size_t zero = bytes.find('\0', marker);
    const bool endsAtZero = zero < tableEnd;
    if (endsAtZero) {
        error(LineAt(lines, zero), "a zero byte ends the table here: the program reads nothing "
                                   "after it");
        tableEnd = zero;
    }

    // Entries in the order of the file, by key.
    const LeadByteTable& lead = codePage.Lead();
    std::map<std::string, std::vector<int>> entryLines;
    std::map<int, EntryReading> readings; // by line number
    std::set<int> lineRules;              // lines with a finding about how they read
    std::vector<std::string> keys;
    int lastLine = 0;                    // the table's last line when it has no line end
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
        if (l.end == tableEnd && !text.empty()) lastLine = l.number;
        if (IsCommentOrBlank(text)) continue;
        if (!IsEntry(text)) {
            error(l.number, "neither an entry (8 lower-case hex digits, =, a quoted "
                            "translation) nor a comment (;)");
            continue;
        }
        std::string why;
        if (BadBytes(text, codePage, &why)) {
            error(l.number, why);
            lineRules.insert(l.number);
        }
        const EntryReading reading = ReadEntry(text, lead);
        readings[l.number] = reading;
        if (reading.backslashAt != std::string::npos) {
            const std::size_t at = reading.backslashAt;
            error(l.number,
                  "the character " + text.substr(at, 2) + " at column " + std::to_string(at + 1) +
                      " (bytes " + Hex(static_cast<unsigned char>(text[at])) +
                      " 5C) ends in a "
                      "backslash: the program reads it with the " +
                      reading.escapeLetter + " after it as the escape \\" + reading.escapeLetter +
                      " and shows other text; put one more backslash right after "
                      "the character");
            lineRules.insert(l.number);
        } else if (reading.quoteAfterClosing) {
            error(l.number, "text after the closing quote (column " +
                                std::to_string(reading.closing + 1) +
                                "): the program takes the translation up to the last quote "
                                "of the line, so that text shows on screen");
            lineRules.insert(l.number);
        } else if (reading.textAfterClosing) {
            warning(l.number, "text after the closing quote (column " +
                                  std::to_string(reading.closing + 1) +
                                  ") is ignored by the program; put a comment on a line of "
                                  "its own, starting with ;");
        }
        const std::string key = text.substr(0, KeyLength);
        if (entryLines[key].empty()) keys.push_back(key);
        entryLines[key].push_back(l.number);
    }

    // The file line of a line start in the program's table: the n-th
    // separator of the table stands for the n-th raw line end.
    auto fileLine = [&](const char* found) {
        const long separators = std::count(static_cast<const char*>(table.text), found, Separator);
        std::size_t position = marker;
        for (long seen = 0; position < tableEnd && seen < separators; ++position)
            seen += bytes[position] == '\r' || bytes[position] == '\n' || bytes[position] == '\f';
        return LineAt(lines, position);
    };
    // The line the program takes a key's translation from, found as the
    // program finds it.
    auto usedLine = [&](const std::string& key) {
        const char* found = table.FindSorted(key.c_str());
        if (!found) found = table.FindLinear(key.c_str());
        return found ? fileLine(found) : 0;
    };
    // The lines among which the program's bisection may pick: every
    // indexed line with this key (which one depends on the sort).
    auto candidates = [&](const std::string& key) {
        std::vector<int> found;
        for (int i = 0; i < table.lines.count; ++i) {
            const char* line = table.text + table.lines.items[i];
            if (std::strncmp(line, key.c_str(), KeyLength) == 0) found.push_back(fileLine(line));
        }
        std::sort(found.begin(), found.end());
        return found;
    };

    std::vector<char> value(TableLimit + 1);
    for (const std::string& key : keys) {
        const std::vector<int>& at = entryLines[key];
        const int used = usedLine(key);
        if (at.size() > 1) {
            const std::vector<int> maybe = candidates(key);
            bool same = true;
            for (int n : at)
                same &= readings[n].value == readings[at[0]].value;
            const std::string which = maybe.size() == 1
                                          ? "the program uses line " + std::to_string(maybe[0])
                                          : "the program uses one of lines " + Numbers(maybe);
            for (std::size_t i = 1; i < at.size(); ++i) {
                const std::string message =
                    "key " + key + " appears more than once (lines " + Numbers(at) + "); " + which;
                if (same)
                    warning(at[i], message + "; they say the same");
                else
                    error(at[i], message);
            }
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
        if (!source->spelled)
            warning(line, "key " + key + " stands for " + AllWhere(*source) + ", which code page " +
                              cp + " cannot spell: the program reads \"" + source->text +
                              "\" and translates every text that reads so alike; a language "
                              "library translates them one by one");
        const char* section = source->section.empty() ? nullptr : source->section.c_str();
        const LanguageResources::Kind kind =
            source->kind == 's' ? LanguageResources::String : LanguageResources::Dialog;
        table.Translate(value.data(), value.size(), source->text.c_str(), section, kind, lead);
        const std::string whole = value.data();
        const std::string& meant = readings[line].value;
        if (!lineRules.count(line) && whole != meant) {
            if (line == lastLine && whole.size() < meant.size() && whole.size() <= LastLineLimit)
                error(line, "the last line has no line end: the program takes at most 255 "
                            "bytes of it and cuts the translation to " +
                                std::to_string(whole.size()) +
                                " bytes; end the line with a line break");
            else
                error(line,
                      "the program reads this translation as \"" + whole + "\", not as written");
        }
        if (source->use == SourceText::Scale) {
            long x, y;
            if (!std::strchr(whole.c_str(), '*'))
                error(line, "the scale of " + source->section + " \"" + whole +
                                "\" is not of the form W*H (width and height in percent, for "
                                "example 110*100): the program leaves the dialog as it is");
            else if (!ReadScaleEntry(whole.c_str(), &x, &y))
                error(line, "the scale of " + source->section + " \"" + whole + "\" reads as " +
                                std::to_string(x) + "*" + std::to_string(y) +
                                ", outside 1 to 1000: the program leaves the dialog as it is");
        }
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
            if ((s.use == SourceText::String || s.use == SourceText::DialogText) && s.spelled &&
                !table.FindSorted(s.key.c_str()) && !table.FindLinear(s.key.c_str()))
                result.untranslated.push_back(&s);
        }
    }
    std::stable_sort(result.errors.begin(), result.errors.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return result;
}
