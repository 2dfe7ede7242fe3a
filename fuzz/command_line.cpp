// The whole process command line through the tail extraction and the parser,
// as the entry point uses them, against a plain model of both.
#include "fuzz/fuzz_input.h"
#include "uninstall/startup/command_line.h"

#include <memory>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Offset of the tail: behind the program's name, quoted or not, and the
// blanks and tabs after it.
std::size_t ModelTail(const std::string& line) {
    std::size_t p = 0;
    if (!line.empty() && line[0] == '"') {
        const std::size_t closing = line.find('"', 1);
        p = closing == std::string::npos ? line.size() : closing + 1;
    } else {
        while (p < line.size() && !IsBlank(line[p]))
            ++p;
    }
    while (p < line.size() && IsBlank(line[p]))
        ++p;
    return p;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

CommandLine ModelParse(const std::string& tail) {
    std::size_t sw = tail.rfind('/');
    if (sw == std::string::npos) return {Mode::Uninstall, false};
    bool silent = false;
    if (Lower(tail.substr(sw)) == "/s") {
        silent = true;
        sw = tail.find('/');
    }
    const std::string word = Lower(tail.substr(sw));
    struct {
        const char* text;
        Mode mode;
    } const words[] = {{"/setup", Mode::Setup},
                       {"/wait", Mode::Wait},
                       {"/warning", Mode::Warning},
                       {"/clean", Mode::Clean},
                       {"/uninstall", Mode::Uninstall}};
    for (const auto& w : words)
        if (word.compare(0, std::strlen(w.text), w.text) == 0) return {w.mode, silent};
    return {Mode::None, silent};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string line = input.Text();
    std::unique_ptr<ExactBuffer> exact(ExactCopy(line));
    const char* tail = CommandLineTail(exact->bytes);
    FUZZ_CHECK(tail == exact->bytes + ModelTail(line));
    const CommandLine parsed = ParseCommandLine(tail);
    const CommandLine model = ModelParse(line.substr(ModelTail(line)));
    FUZZ_CHECK(parsed.mode == model.mode);
    FUZZ_CHECK(parsed.silent == model.silent);
    return 0;
}
