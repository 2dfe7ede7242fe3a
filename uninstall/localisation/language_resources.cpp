#include "uninstall/localisation/language_resources.h"
#include "uninstall/common/file.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/program_path.h"
#include "uninstall/common/text.h"
#include "uninstall/localisation/translation_key.h"
#include <cstdlib>
#include <cstring>

LanguageResources Translations;

namespace {

constexpr int WindowSize = 8192;
constexpr int WindowOverlap = 16; // a marker split between two reads is still seen
constexpr int WindowCount = 16;
constexpr int TableLimit = 65536;
constexpr int TableSlack = 1024;
constexpr int KeyLength = 8;
constexpr int ValueOffset = 10;    // key, '=' and the opening quote
constexpr int LastLineLimit = 255; // taken from a last line that has no line end
constexpr char Separator = '\x0C'; // what raw CR and LF become in the table
const char Marker[] = "***messages**";

// Builds the file's path: a bare name is looked up next to the program.
bool TablePath(const char* name, char* path) {
    if (NamePart(name) != name) return CopyWhole(path, PathSize, name);
    return ProgramFilePath(name, path, PathSize);
}

// File offset of the marker's first asterisk, or -1.
std::int64_t FindMarker(File& file) {
    static char window[WindowSize];
    const int markerLength = sizeof Marker - 1;
    for (int w = 0; w < WindowCount; ++w) {
        const std::int64_t start = file.Position();
        const int got = start < 0 ? -1 : file.Read(window, WindowSize);
        if (got < WindowOverlap) return -1;
        for (int j = 0; j <= got - WindowOverlap; ++j) {
            if (std::memcmp(window + j, Marker, markerLength) == 0) return start + j;
        }
        if (got < WindowSize) return -1; // the end of the file is behind this window
        file.Seek(start + got - WindowOverlap);
    }
    return -1;
}

// Resolves escapes and turns raw line ends into separators, in place;
// returns the new length. A zero byte ends the table.
int Unescape(char* text, int rawSize) {
    int write = 0;
    for (int read = 0; read < rawSize;) {
        const char c = text[read++];
        if (c == '\0') break;
        if (c == '\\' && read < rawSize) {
            const char* escapes = "\"\\nrt";
            const char* meanings = "\"\\\n\r\t";
            const char* found = std::strchr(escapes, text[read]);
            if (found && *found != '\0') {
                text[write++] = meanings[found - escapes];
                ++read;
                continue;
            }
        }
        text[write++] = (c == '\r' || c == '\n') ? Separator : c;
    }
    text[write] = '\0';
    return write;
}

const char* sortedText = nullptr; // the text the comparison below reads

int CompareLineKeys(const void* a, const void* b) {
    return std::strncmp(sortedText + *static_cast<const int*>(a),
                        sortedText + *static_cast<const int*>(b), KeyLength);
}

} // namespace

LanguageResources::~LanguageResources() {
    std::free(text);
}

void LanguageResources::ReadTable(const char* name) {
    std::free(text);
    text = nullptr;
    size = 0;
    lines.count = 0;

    char path[PathSize];
    File file;
    if (!TablePath(name, path) || !file.Open(path)) return;
    const std::int64_t marker = FindMarker(file);
    if (marker < 0) return;
    file.Seek(marker);
    text = static_cast<char*>(std::malloc(TableLimit + TableSlack));
    if (!text) return;
    text[TableLimit] = '\0';
    const int rawSize = file.Read(text, TableLimit);
    size = Unescape(text, rawSize);

    for (int k = 1; k < size - KeyLength; ++k) {
        if (text[k - 1] == Separator && text[k] != Separator) lines.Push(k);
    }
    if (lines.count == 0) return;
    sortedText = text;
    std::qsort(lines.items, lines.count, sizeof(int), CompareLineKeys);
}

void LanguageResources::DetectDirection(bool rtlDialog) {
    if (rtlDialog) {
        rtl = true;
        return;
    }
    char direction[PathSize];
    Translate(direction, sizeof direction, "LTR", "LTR", Dialog);
    rtl = std::strcmp(direction, "RTL") == 0;
}

const char* LanguageResources::FindSorted(const char* key) const {
    int start = 0;
    int count = lines.count;
    while (count > 0) {
        const int mid = count / 2;
        const char* line = text + lines.items[start + mid];
        const int order = std::strncmp(key, line, KeyLength);
        if (order == 0) return line;
        if (order < 0) {
            count = mid;
        } else {
            start += mid + 1;
            count -= mid + 1;
        }
    }
    return nullptr;
}

const char* LanguageResources::FindLinear(const char* key) const {
    const char* line = text;
    while (line && *line != '\0') {
        if (*line == *key && std::strncmp(key, line, KeyLength) == 0 && line[KeyLength] == '=' &&
            line[KeyLength + 1] == '"')
            return line;
        line = std::strchr(line, Separator);
        while (line && *line == Separator)
            ++line;
    }
    return nullptr;
}

void LanguageResources::Translate(char* dest, std::size_t destSize, const char* source,
                                  const char* section, Kind kind, const LeadByteTable& lead) const {
    if (destSize == 0) return;
    const char* line = nullptr;
    if (text) {
        char key[TranslationKeySize];
        TranslationKey(key, kind == String ? 's' : '$', section, source);
        line = FindSorted(key);
        if (!line) line = FindLinear(key);
    }
    if (!line) {
        if (dest != source) CopyCut(dest, destSize, source, lead);
        return;
    }

    // The value: from behind the opening quote to the line's end, then to
    // its last double quote when it has one.
    const char* value = line;
    for (int i = 0; i < ValueOffset; ++i) {
        if (*value == '\0' || *value == Separator) break;
        ++value;
    }
    const char* end = value;
    while (*end != '\0' && *end != Separator)
        ++end;
    std::size_t length = end - value;
    if (*end == '\0') length = CutLength(value, length, LastLineLimit, lead);
    // The last quote that starts a character: a second byte 0x22 is not one.
    std::size_t quoted = length;
    for (std::size_t i = 0; i < length;) {
        if (value[i] == '"') quoted = i;
        i += lead.isLead[static_cast<unsigned char>(value[i])] && i + 1 < length ? 2 : 1;
    }
    length = quoted;
    length = CutLength(value, length, destSize - 1, lead);
    std::memcpy(dest, value, length);
    dest[length] = '\0';
}
