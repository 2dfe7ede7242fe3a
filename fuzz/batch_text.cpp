// The self-removal batch text, run by a model of the command interpreter on
// a model of the disk: with any paths ('%' doubled by DoublePercent) it reads
// each path back exactly and does what the uninstall needs and nothing else.
// Each piece fits a destination exactly when it is shorter than it.
#include "fuzz/fuzz_input.h"
#include "uninstall/removal/batch_text.h"

#include <algorithm>

namespace {

constexpr int Attempts = 5; // deletion attempts before the program gives up

// A token as the interpreter reads it from a batch file: a quoted one to
// its closing quote, '%%' read as '%'. A single '%' would expand a
// variable: the token then reads as nothing the program wrote.
bool ReadTokens(const std::string& line, std::vector<std::string>* tokens) {
    tokens->clear();
    for (std::size_t i = 0; (i = line.find_first_not_of(' ', i)) != std::string::npos;) {
        const bool quoted = line[i] == '"';
        const std::size_t end = std::min(line.find(quoted ? '"' : ' ', i + 1), line.size());
        if (quoted && end == line.size()) return false;
        std::string token;
        for (std::size_t k = i + quoted; k < end; ++k) {
            if (line[k] == '%' && (k + 1 >= end || line[++k] != '%')) return false;
            token += line[k];
        }
        tokens->push_back(token);
        i = end + 1;
    }
    return true;
}

// What the interpreter does with the text, as "run PATH /switch", "del
// PATH", "rd PATH", on a disk where the program can be deleted from attempt
// freedAt on (Attempts + 1: never); false when a line is no command it knows.
bool Interpret(const std::string& text, bool nt, const std::string& program, int freedAt,
               std::vector<std::string>* effects) {
    int attempts = 0; // the program is there while attempts < freedAt
    std::vector<std::string> lines;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    std::vector<std::string> t;
    for (std::size_t pc = 0; pc < lines.size(); ++pc) {
        if (!ReadTokens(lines[pc], &t)) return false;
        const std::size_t n = t.size();
        if (n == 1 && t[0] == ":done") continue;
        if (nt && n == 2 && t[1] == "/wait") {
            effects->push_back("run " + t[0] + " /wait");
        } else if (!nt && n == 4 && t[0] == "start" && t[1] == "/wait" && t[3] == "/wait") {
            effects->push_back("run " + t[2] + " /wait");
        } else if (n == 2 && t[0] == "del") {
            effects->push_back("del " + t[1]);
            attempts += t[1] == program;
        } else if (n == 2 && t[0] == "rd") {
            effects->push_back("rd " + t[1]);
        } else if (n == 6 && t[0] == "if" && t[1] == "not" && t[2] == "exist" && t[4] == "goto") {
            if (t[3] == program && attempts < freedAt) continue;
            const auto label = std::find(lines.begin(), lines.end(), ":" + t[5]);
            if (label == lines.end()) return false;
            pc = label - lines.begin();
        } else if (n == 5 && t[0] == "if" && t[1] == "exist" && t[4] == "/warning") {
            if (t[2] == program && attempts < freedAt)
                effects->push_back("run " + t[3] + " /warning");
        } else {
            return false;
        }
    }
    return true;
}

// What the uninstall needs done, for a file that can go from attempt freedAt on.
std::vector<std::string> Needed(const std::string& program, const std::string& folder,
                                const std::string& batch, bool warning, int freedAt) {
    std::vector<std::string> effects = {"run " + program + " /wait"};
    for (int attempt = 1; attempt <= Attempts; ++attempt) {
        effects.push_back("del " + program);
        effects.push_back("rd " + folder);
        if (attempt >= freedAt) break;
    }
    if (warning && freedAt > Attempts) effects.push_back("run " + program + " /warning");
    effects.push_back("del " + batch);
    return effects;
}

// A size near the fitting point of a text of length needed: from 0 up to a
// few bytes more than it takes.
std::size_t SizeNear(FuzzInput& input, std::size_t needed) {
    const int offset = static_cast<int>(input.Byte() % 8) - 4; // -4 .. 3 around needed + 1
    const long size = static_cast<long>(needed) + 1 + offset;
    return size < 0 ? 0 : static_cast<std::size_t>(size);
}

// DoublePercent's output (read back by the interpreter's model below) fits
// when the text and one more byte per '%' are shorter than the destination.
std::string Doubled(FuzzInput& input, const std::string& text) {
    const std::size_t needed = text.size() + std::count(text.begin(), text.end(), '%');
    const std::size_t size = input.Flag() ? input.Byte() % 4 : SizeNear(input, needed);
    ExactBuffer out(size);
    const bool fits = DoublePercent(text.c_str(), out.bytes, out.size);
    FUZZ_CHECK(fits == (needed < size));
    if (!fits) {
        if (size > 0) FUZZ_CHECK(out.bytes[0] == '\0');
        ExactBuffer room(needed + 1);
        FUZZ_CHECK(DoublePercent(text.c_str(), room.bytes, room.size));
        return room.bytes;
    }
    FUZZ_CHECK(std::strlen(out.bytes) == needed);
    return out.bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const bool nt = input.Flag();
    const std::string program = input.Text();
    const std::string folder = input.Text();
    const std::string batch = input.Text();
    const std::string doubled[] = {Doubled(input, program), Doubled(input, folder),
                                   Doubled(input, batch)};
    const BatchPaths paths = {doubled[0].c_str(), doubled[1].c_str(), doubled[2].c_str()};
    // Paths hold no quote or line end; others the interpreter cannot read.
    bool readable = true;
    for (const std::string* path : {&program, &folder, &batch})
        readable &= path->find_first_of("\"\r\n") == std::string::npos;

    // With the "/warning" line (an interactive uninstall) and without it.
    for (bool warning : {true, false}) {
        std::string text;
        for (int index = -1; index <= BatchPieceCount; ++index) {
            const bool exists = index >= 0 && index < BatchPieceCount;
            ExactBuffer whole(4 * (doubled[0].size() + doubled[1].size() + doubled[2].size()) +
                              128);
            const int length = BatchPiece(index, paths, nt, warning, whole.bytes, whole.size);
            FUZZ_CHECK(exists == (length >= 0));
            if (!exists) continue;
            FUZZ_CHECK(std::strlen(whole.bytes) == static_cast<std::size_t>(length));
            // The same piece fits a destination exactly when shorter than it.
            ExactBuffer out(SizeNear(input, length));
            const int again = BatchPiece(index, paths, nt, warning, out.bytes, out.size);
            if (static_cast<std::size_t>(length) < out.size) {
                FUZZ_CHECK(again == length && out.Holds(whole.bytes));
            } else {
                FUZZ_CHECK(again == -1);
            }
            text += whole.bytes;
        }
        if (!readable) continue;
        for (int freedAt = 1; freedAt <= Attempts + 1; ++freedAt) {
            std::vector<std::string> effects;
            FUZZ_CHECK(Interpret(text, nt, program, freedAt, &effects));
            FUZZ_CHECK(effects == Needed(program, folder, batch, warning, freedAt));
        }
    }
    return 0;
}
