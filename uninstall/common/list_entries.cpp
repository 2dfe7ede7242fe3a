#include "uninstall/common/list_entries.h"

#include "uninstall/common/file.h"
#include "uninstall/common/format.h"
#include "uninstall/common/paths.h"
#include "uninstall/common/text.h"

ListReader::ListReader(File& file, const LeadByteTable& lead) : file(file), lead(lead) {
    line[0] = '\0';
}

void ListReader::Rewind() {
    file.Seek(0);
    chunkLength = 0;
    chunkPos = 0;
    atEnd = false;
}

// The next byte of the file without consuming it, -1 at the end or on an error.
int ListReader::Peek() {
    if (chunkPos == chunkLength) {
        if (atEnd) return -1;
        int read = file.Read(chunk, sizeof chunk);
        if (read <= 0) {
            atEnd = true;
            return -1;
        }
        chunkLength = read;
        chunkPos = 0;
    }
    return static_cast<unsigned char>(chunk[chunkPos]);
}

// Up to ListLineSize - 1 bytes, ending after a line feed; false at the end.
bool ListReader::ReadLine() {
    int length = 0;
    while (length < ListLineSize - 1) {
        int c = Peek();
        if (c < 0) break;
        ++chunkPos;
        line[length++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    line[length] = '\0';
    return length > 0;
}

const char* ListReader::Next() {
    while (ReadLine()) {
        TrimRight(line, lead);
        if (line[0] != '\0' && IsSafeListEntry(line, lead)) return line;
    }
    return nullptr;
}

// A component of only dots and blanks names the parent folder once the
// system has dropped its trailing dots and blanks, when it has two dots.
static bool ClimbsUp(const char* start, const char* end) {
    int dots = 0;
    for (const char* p = start; p < end; ++p) {
        if (*p == '.')
            ++dots;
        else if (*p != ' ')
            return false;
    }
    return dots >= 2;
}

bool IsSafeListEntry(const char* entry, const LeadByteTable& lead) {
    if (IsSeparator(static_cast<unsigned char>(entry[0]))) return false;
    const char* componentStart = entry;
    for (const char* p = entry;; p = NextChar(p, lead)) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (IsDriveColon(c)) return false;
        if (c == '\0' || IsSeparator(c)) {
            if (ClimbsUp(componentStart, p)) return false;
            if (c == '\0') return true;
            componentStart = p + 1;
        }
    }
}

bool JoinListEntry(char* out, std::size_t size, const char* folder, const char* entry) {
    return FormatWhole(out, size, "%s%s", folder, entry);
}
