// The translation file: read as the table, optionally behind a filler that
// moves the marker across the search windows and grown past the table limit.
// The table is compared with a plain model of the marker search and the
// escapes; the sorted and the linear search with a brute-force scan, for keys
// found in the table and for random keys; and translations into destinations
// of 1 byte to 70 KB, the source itself included, with the model's value.
#include "fuzz/fuzz_input.h"
#include "uninstall/localisation/crc32.h"
#include "uninstall/localisation/language_resources.h"

#include <algorithm>

namespace {

constexpr char Separator = '\x0C';
const std::string Marker = "***messages**";
constexpr std::size_t MarkerReach = 16 * (8192 - 16); // the last offset the search looks at
constexpr std::size_t TableLimit = 65536;

// The table the file should give, or false when it gives none.
bool ModelTable(const std::string& file, std::string& table) {
    const std::size_t marker = file.find(Marker);
    if (marker == std::string::npos || marker > MarkerReach || marker + 16 > file.size())
        return false;
    const std::string raw = file.substr(marker, TableLimit);
    table.clear();
    for (std::size_t i = 0; i < raw.size() && raw[i] != '\0'; ++i) {
        const char c = raw[i];
        const std::size_t escape =
            i + 1 < raw.size() ? std::string("\"\\nrt").find(raw[i + 1]) : std::string::npos;
        if (c == '\\' && raw[i + 1] != '\0' && escape != std::string::npos) {
            table += "\"\\\n\r\t"[escape];
            ++i;
        } else {
            table += c == '\r' || c == '\n' ? Separator : c;
        }
    }
    return true;
}

// Offsets of the lines the sorted search indexes.
std::vector<std::size_t> ModelIndexed(const std::string& table) {
    std::vector<std::size_t> lines;
    for (std::size_t k = 1; k + 8 < table.size(); ++k)
        if (table[k - 1] == Separator && table[k] != Separator) lines.push_back(k);
    return lines;
}

// The first line, indexed or not, that holds the key, "=" and a quote.
std::size_t ModelLinear(const std::string& table, const std::string& key) {
    for (std::size_t k = 0; k < table.size(); ++k) {
        const bool lineStart = k == 0 || (table[k - 1] == Separator && table[k] != Separator);
        if (lineStart && table.compare(k, 8, key) == 0 && table.compare(k + 8, 2, "=\"") == 0)
            return k;
    }
    return std::string::npos;
}

// The text a line gives for a destination of destSize bytes.
std::string ModelValue(const std::string& table, std::size_t line, std::size_t destSize,
                       const LeadByteTable& lead) {
    std::size_t start = line;
    while (start < line + 10 && start < table.size() && table[start] != Separator)
        ++start;
    const std::size_t end = table.find(Separator, start);
    std::string value =
        table.substr(start, end == std::string::npos ? std::string::npos : end - start);
    auto cut = [&](std::size_t limit) {
        const std::vector<bool> starts = CharacterStarts(value, lead);
        std::size_t length = limit < value.size() ? limit : value.size();
        while (!starts[length])
            --length;
        value.resize(length);
    };
    if (end == std::string::npos) cut(255);
    const std::vector<bool> starts = CharacterStarts(value, lead);
    for (std::size_t i = value.size(); i-- > 0;) {
        if (starts[i] && value[i] == '"') {
            value.resize(i);
            break;
        }
    }
    cut(destSize - 1);
    return value;
}

std::string KeyOf(char kind, const char* section, const std::string& source) {
    const std::string keyed = kind + std::string(section ? section : "") + source;
    char key[16];
    std::snprintf(key, sizeof key, "%08x",
                  static_cast<unsigned>(~Crc32Update(0xFFFFFFFFu, keyed.data(), keyed.size())));
    return key;
}

std::size_t DestinationSize(FuzzInput& input) {
    static const std::size_t sizes[] = {1,   2,   3,    4,     5,     8,     16,   255,
                                        256, 257, 1024, 65535, 65536, 65537, 70000};
    const std::uint8_t pick = input.Byte();
    return pick < 16 * 15 ? sizes[pick % 15] : 1 + input.Number(70000 - 1);
}

class Target {
  public:
    Target(FuzzInput& input, const std::string& file, const LeadByteTable& lead)
        : input(input), lead(lead) {
        static ScratchFile scratch;
        scratch.Write(file);
        resources.ReadTable(scratch.path);
        loaded = ModelTable(file, table);
    }

    void CheckTable() {
        FUZZ_CHECK(resources.IsLoaded() == loaded);
        if (!loaded) return;
        FUZZ_CHECK(resources.size == static_cast<int>(table.size()));
        FUZZ_CHECK(std::memcmp(resources.text, table.c_str(), table.size() + 1) == 0);
        indexed = ModelIndexed(table);
        FUZZ_CHECK(resources.lines.count == static_cast<int>(indexed.size()));
        std::vector<std::size_t> held;
        for (int i = 0; i < resources.lines.count; ++i) {
            held.push_back(static_cast<std::size_t>(resources.lines.items[i]));
            if (i > 0)
                FUZZ_CHECK(std::strncmp(resources.text + resources.lines.items[i - 1],
                                        resources.text + resources.lines.items[i], 8) <= 0);
        }
        std::sort(held.begin(), held.end());
        FUZZ_CHECK(held == indexed);
    }

    // Keys of indexed lines and of any other line, and one from the input.
    void CheckSearches() {
        if (!loaded) return;
        std::vector<std::string> keys;
        for (int i = 0; i < 4 && !indexed.empty(); ++i)
            keys.push_back(table.substr(indexed[input.Number(indexed.size() - 1)], 8));
        keys.push_back(table.substr(input.Number(table.size()), 8));
        std::string random = input.Text();
        random.resize(8, '0');
        keys.push_back(random);
        for (const std::string& key : keys) {
            if (key.size() < 8 || key.find('\0') != std::string::npos) continue;
            const char* sorted = resources.FindSorted(key.c_str());
            bool any = false;
            for (std::size_t line : indexed)
                any = any || table.compare(line, 8, key) == 0;
            FUZZ_CHECK((sorted != nullptr) == any);
            if (sorted) {
                const std::size_t offset = static_cast<std::size_t>(sorted - resources.text);
                FUZZ_CHECK(std::binary_search(indexed.begin(), indexed.end(), offset));
                FUZZ_CHECK(table.compare(offset, 8, key) == 0);
            }
            const char* linear = resources.FindLinear(key.c_str());
            const std::size_t model = ModelLinear(table, key);
            FUZZ_CHECK(linear == (model == std::string::npos ? nullptr : resources.text + model));
        }
    }

    // source translated into a destination of the program's usual 1024
    // bytes and one of a chosen size, fresh or the source's own buffer.
    void CheckTranslation(const std::string& source, const char* section,
                          LanguageResources::Kind kind) {
        const bool inPlace = input.Flag();
        const std::size_t chosen =
            inPlace ? source.size() + 1 + input.Byte() : DestinationSize(input);
        for (std::size_t size : {std::max<std::size_t>(1024, source.size() + 1), chosen})
            CheckTranslation(source, section, kind, inPlace, size);
    }

    void CheckTranslation(const std::string& source, const char* section,
                          LanguageResources::Kind kind, bool inPlace, std::size_t size) {
        std::vector<std::string> expected;
        if (loaded) {
            const std::string key =
                KeyOf(kind == LanguageResources::String ? 's' : '$', section, source);
            for (std::size_t line : indexed)
                if (table.compare(line, 8, key) == 0)
                    expected.push_back(ModelValue(table, line, size, lead));
            const std::size_t linear = ModelLinear(table, key);
            if (expected.empty() && linear != std::string::npos)
                expected.push_back(ModelValue(table, linear, size, lead));
        }
        if (expected.empty()) {
            const std::vector<bool> starts = CharacterStarts(source, lead);
            std::size_t length = size - 1 < source.size() ? size - 1 : source.size();
            while (!starts[length])
                --length;
            expected.push_back(inPlace ? source : source.substr(0, length));
        }

        ExactBuffer dest(size);
        const char* from = source.c_str();
        if (inPlace) {
            std::memcpy(dest.bytes, source.c_str(), source.size() + 1);
            from = dest.bytes;
        }
        resources.Translate(dest.bytes, dest.size, from, section, kind, lead);
        bool matched = false;
        for (const std::string& value : expected)
            matched = matched || dest.Holds(value);
        FUZZ_CHECK(matched);
    }

  private:
    FuzzInput& input;
    const LeadByteTable& lead;
    LanguageResources resources;
    std::string table;
    bool loaded = false;
    std::vector<std::size_t> indexed;
};

// The file: the input's text, behind a filler when the layout has bit 0, and
// repeated past the table limit when it has bit 1.
std::string Layout(std::uint8_t layout, std::size_t filler, const std::string& body) {
    std::string file;
    if (layout & 1) file.assign(filler, 'x');
    file += body;
    if ((layout & 2) && !body.empty())
        while (file.size() <= TableLimit + 2048)
            file += body;
    return file;
}

// Bytes for the look-up choices, spread from a seed the input gives, so that
// the file itself can be the whole rest of the input.
std::vector<std::uint8_t> ChoiceBytes(std::uint32_t seed) {
    std::vector<std::uint8_t> bytes(256);
    std::uint64_t state = seed;
    for (std::uint8_t& b : bytes) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        b = static_cast<std::uint8_t>(state >> 56);
    }
    return bytes;
}

} // namespace

// Input: table flag, layout, filler length (2 bytes), choice seed (4 bytes),
// a source text ending in a zero byte, then the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const LeadByteTable& lead = input.Table();
    const std::uint8_t layout = input.Byte();
    // Up to 128 KB: two bytes give the even part, the layout the odd one.
    const std::size_t filler = input.Number(0xFFFF) * 2 + (layout >> 2 & 1);
    std::uint32_t seed = 0;
    for (int i = 0; i < 4; ++i)
        seed = seed << 8 | input.Byte();
    const std::string source = input.Text();
    const std::string body = input.Rest();
    const std::vector<std::uint8_t> choiceBytes = ChoiceBytes(seed);
    FuzzInput choices(choiceBytes.data(), choiceBytes.size());

    Target target(choices, Layout(layout, filler, body), lead);
    target.CheckTable();
    target.CheckSearches();
    target.CheckTranslation("abc", nullptr, LanguageResources::String);
    target.CheckTranslation("LTR", "LTR", LanguageResources::Dialog);
    target.CheckTranslation(source, choices.Flag() ? "SETUPDLG" : nullptr,
                            choices.Flag() ? LanguageResources::Dialog : LanguageResources::String);
    return 0;
}
