// The list file, read with the single-byte or the code-page-936 table. Every
// entry is checked against a plain model of the line splitting and trimming,
// and which of them are safe by a model of its own; joined to a folder, each
// is walked over its components: it never starts with a separator, never
// names a drive and never climbs out of the folder. A second pass after
// Rewind gives the same entries.
#include "fuzz/fuzz_input.h"
#include "uninstall/common/file.h"
#include "uninstall/common/list_entries.h"

#include <algorithm>

namespace {

const std::string Folder = "C:\\Zkv\\";

bool IsBlank(char c) {
    return c == '\r' || c == '\n' || c == ' ' || c == '\t';
}

// Lines of at most ListLineSize - 1 bytes ending after a line feed, up to
// their first zero byte, without trailing blank characters; empty ones left
// out. Whether an entry is safe is checked on its own below.
std::vector<std::string> ModelLines(const std::string& file, const LeadByteTable& lead) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < file.size();) {
        std::size_t end = pos;
        while (end < file.size() && end - pos < ListLineSize - 1 && file[end++] != '\n') {
        }
        std::string line = file.substr(pos, end - pos);
        pos = end;
        line = line.substr(0, line.find('\0'));
        const std::vector<bool> starts = CharacterStarts(line, lead);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (!starts[i]) continue;
            std::size_t next = i + 1;
            while (!starts[next])
                ++next;
            if (next > i + 1 || !IsBlank(line[i])) kept = next;
        }
        if (kept > 0) lines.push_back(line.substr(0, kept));
    }
    return lines;
}

// Whether an entry stays inside the folder, told from its characters (a
// lead byte and the byte after it are one character, never a separator, a
// colon or a dot): it does not start with a separator (a root or a UNC
// path), has no colon (a drive), and no component is made only of dots and
// blanks with two dots or more (the system drops trailing dots and blanks,
// and two dots name the parent).
bool ModelSafe(const std::string& entry, const LeadByteTable& lead) {
    const std::vector<bool> starts = CharacterStarts(entry, lead);
    std::vector<std::vector<std::string>> components(1); // of characters
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (!starts[i]) continue;
        std::size_t next = i + 1;
        while (!starts[next])
            ++next;
        const std::string character = entry.substr(i, next - i);
        if (character == ":") return false;
        if (character == "\\" || character == "/")
            components.emplace_back();
        else
            components.back().push_back(character);
    }
    if (components.size() > 1 && components[0].empty()) return false;
    for (const std::vector<std::string>& component : components) {
        const auto dots = std::count(component.begin(), component.end(), ".");
        const auto blanks = std::count(component.begin(), component.end(), " ");
        if (dots >= 2 && dots + blanks == static_cast<long>(component.size())) return false;
    }
    return true;
}

// Walks the entry inside the joined path character by character: the folder
// depth it reaches never goes below the folder itself.
void CheckStaysInside(const std::string& joined, const LeadByteTable& lead) {
    const std::string entry = joined.substr(Folder.size());
    const std::vector<bool> starts = CharacterStarts(entry, lead);
    auto single = [&](std::size_t i) { return starts[i] && starts[i + 1]; };
    auto separator = [&](std::size_t i) {
        return single(i) && (entry[i] == '\\' || entry[i] == '/');
    };
    FUZZ_CHECK(!entry.empty() && !separator(0));
    int depth = 0;
    std::size_t componentStart = 0;
    for (std::size_t i = 0; i <= entry.size(); ++i) {
        if (i < entry.size() && single(i)) FUZZ_CHECK(entry[i] != ':');
        if (i < entry.size() && !separator(i)) continue;
        // The system drops trailing dots and blanks of a component; one made
        // of nothing else names the parent once it has two dots.
        std::string component = entry.substr(componentStart, i - componentStart);
        const std::size_t dots = std::count(component.begin(), component.end(), '.');
        while (!component.empty() && (component.back() == '.' || component.back() == ' '))
            component.pop_back();
        if (component.empty() && dots >= 2)
            --depth;
        else if (!component.empty())
            ++depth;
        FUZZ_CHECK(depth >= 0);
        componentStart = i + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const LeadByteTable& lead = input.Table();
    const std::string contents = input.Rest();
    static ScratchFile scratch;
    scratch.Write(contents);

    File file;
    FUZZ_CHECK(file.Open(scratch.path));
    ListReader reader(file, lead);
    std::vector<std::string> passes[2];
    for (std::vector<std::string>& entries : passes) {
        reader.Rewind();
        while (const char* entry = reader.Next()) {
            entries.push_back(entry);
            CheckStaysInside(Folder + entry, lead);
            ExactBuffer joined(1024); // the program joins into a buffer of this size
            if (JoinListEntry(joined.bytes, joined.size, Folder.c_str(), entry)) {
                FUZZ_CHECK(joined.Holds(Folder + entry));
            } else {
                FUZZ_CHECK(Folder.size() + std::strlen(entry) >= joined.size);
                FUZZ_CHECK(joined.bytes[0] == '\0');
            }
        }
    }
    FUZZ_CHECK(passes[0] == passes[1]);

    std::vector<std::string> safe;
    for (const std::string& line : ModelLines(contents, lead))
        if (ModelSafe(line, lead)) safe.push_back(line);
    FUZZ_CHECK(passes[0] == safe);
    return 0;
}
