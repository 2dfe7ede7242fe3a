// Times a million Translate look-ups on a full 64 KiB translation table:
// half of them with an entry, half without (those also walk the table).
#include "uninstall/localisation/crc32.h"
#include "uninstall/localisation/language_resources.h"
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr int Lookups = 1000000;
constexpr int TableBytes = 65536;

void SourceText(int i, char* out, std::size_t size) {
    std::snprintf(out, size, "Source text number %d", i);
}

unsigned KeyOf(const char* source) {
    return ~Crc32Update(Crc32Update(0xFFFFFFFFu, "s", 1), source, std::strlen(source));
}

// Writes entries for sources 0, 2, 4, ... until the table is full; returns
// how many sources were given entries (every second one).
int WriteTable(const char* path) {
    FILE* out = std::fopen(path, "wb");
    if (!out) return -1;
    long written = std::fprintf(out, "***messages***\r\n");
    int entries = 0;
    char source[64], line[160];
    for (int i = 0;; i += 2) {
        SourceText(i, source, sizeof source);
        const int length =
            std::snprintf(line, sizeof line, "%08x=\"Translated text %d\"\r\n", KeyOf(source), i);
        if (written + length > TableBytes) break;
        std::fputs(line, out);
        written += length;
        ++entries;
    }
    std::fclose(out);
    return entries;
}

} // namespace

int main() {
    char path[] = "/tmp/zk-bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) return 1;
    close(fd);
    const int entries = WriteTable(path);
    LanguageResources table;
    table.ReadTable(path);
    unlink(path);
    if (entries <= 0 || !table.IsLoaded()) return 1;

    // Sources 0, 2, 4, ... have entries; 1, 3, 5, ... fall through to the walk.
    static char texts[2][1024][64];
    for (int i = 0; i < 1024; ++i) {
        SourceText((2 * i) % (2 * entries), texts[0][i], sizeof texts[0][i]);
        SourceText((2 * i + 1) % (2 * entries), texts[1][i], sizeof texts[1][i]);
    }
    std::printf("table %d bytes, %d entries, %d indexed lines\n", table.size, entries,
                table.lines.count);
    double total = 0;
    for (int kind = 0; kind < 2; ++kind) {
        char dest[256];
        long translated = 0;
        const auto start = std::chrono::steady_clock::now();
        for (int n = 0; n < Lookups / 2; ++n) {
            table.Translate(dest, sizeof dest, texts[kind][n % 1024], nullptr,
                            LanguageResources::String);
            translated += dest[0] == 'T';
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        total += seconds;
        std::printf("%d look-ups %s (%ld translated): %.3f s, %.0f ns each\n", Lookups / 2,
                    kind == 0 ? "with an entry" : "without an entry", translated, seconds,
                    seconds * 1e9 / (Lookups / 2));
    }
    std::printf("%d look-ups in %.3f s\n", Lookups, total);
    return 0;
}
