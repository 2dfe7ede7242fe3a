// The self-removal batch text, run by a model of the command interpreter on
// a model of the disk: whatever the paths (with '%' doubled by
// DoublePercent), the interpreter reads each path back exactly and does what
// the uninstall needs, and nothing else: start the program with /wait, try
// up to five times to delete it and its folder, stopping once the file is
// gone, start it with /warning if it survived (interactive uninstall only)
// and delete the batch file. Each piece fits a destination exactly when it
// is shorter than it.
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
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        const bool quoted = line[i] == '"';
        const std::size_t end = quoted ? line.find('"', i + 1) : line.find(' ', i);
        if (quoted && end == std::string::npos) return false;
        const std::string raw =
            line.substr(i + quoted, (end == std::string::npos ? line.size() : end) - i - quoted);
        std::string token;
        for (std::size_t k = 0; k < raw.size(); ++k) {
            if (raw[k] == '%' && (k + 1 >= raw.size() || raw[++k] != '%')) return false;
            token += raw[k];
        }
        tokens->push_back(token);
        i = end == std::string::npos ? line.size() : end + 1;
    }
    return true;
}

struct Disk {
    std::string program;
    int freedAt; // the deletion attempt from which the file can go (Attempts + 1: never)
    int attempts = 0;
    bool programThere = true;
};

// What the interpreter does with the text, as "run PATH /switch", "del
// PATH", "rd PATH"; false when a line is no command the model knows.
bool Interpret(const std::string& text, bool nt, Disk* disk, std::vector<std::string>* effects) {
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
            if (t[1] == disk->program && ++disk->attempts >= disk->freedAt)
                disk->programThere = false;
        } else if (n == 2 && t[0] == "rd") {
            effects->push_back("rd " + t[1]);
        } else if (n == 6 && t[0] == "if" && t[1] == "not" && t[2] == "exist" && t[4] == "goto") {
            const bool there = t[3] == disk->program && disk->programThere;
            if (there) continue;
            const auto label = std::find(lines.begin(), lines.end(), ":" + t[5]);
            if (label == lines.end()) return false;
            pc = label - lines.begin();
        } else if (n == 5 && t[0] == "if" && t[1] == "exist" && t[4] == "/warning") {
            if (t[2] == disk->program && disk->programThere)
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

// DoublePercent's output reads back as the text; it fits when the text and
// one more byte per '%' are shorter than the destination.
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
    std::vector<std::string> read;
    const std::string quoted = "\"" + std::string(out.bytes) + "\"";
    FUZZ_CHECK(text.find('"') != std::string::npos ||
               (ReadTokens(quoted, &read) && read.size() == 1 && read[0] == text));
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
            const std::size_t room =
                4 * (doubled[0].size() + doubled[1].size() + doubled[2].size()) + 128;
            ExactBuffer whole(room);
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
            Disk disk{program, freedAt};
            std::vector<std::string> effects;
            FUZZ_CHECK(Interpret(text, nt, &disk, &effects));
            FUZZ_CHECK(effects == Needed(program, folder, batch, warning, freedAt));
        }
    }
    return 0;
}
