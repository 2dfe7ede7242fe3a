#include "uninstall/removal/batch_text.h"

#include <cstring>

#include "uninstall/common/format.h"

bool DoublePercent(const char* text, char* out, std::size_t size) {
    if (size == 0) return false; // no room even for the terminator
    std::size_t length = 0;
    for (const char* p = text; *p; ++p) {
        std::size_t need = *p == '%' ? 2 : 1;
        if (length + need >= size) {
            out[0] = '\0';
            return false;
        }
        out[length++] = *p;
        if (*p == '%') out[length++] = '%';
    }
    out[length] = '\0';
    return true;
}

int BatchPiece(int index, const BatchPaths& paths, bool ntFamily, bool warning, char* out,
               std::size_t size) {
    if (index < 0 || index >= BatchPieceCount) return -1;
    bool fits;
    if (index == 0) {
        // The second instance pauses while this one ends and frees its file.
        fits =
            FormatWhole(out, size, ntFamily ? "\"%s\" /wait\r\n" : "start /wait \"%s\" /wait\r\n",
                        paths.program);
    } else if (index < BatchPieceCount - 1) {
        fits =
            FormatWhole(out, size, "del \"%s\"\r\nrd \"%s\"\r\nif not exist \"%s\" goto done\r\n",
                        paths.program, paths.folder, paths.program);
    } else if (warning) {
        fits = FormatWhole(out, size, ":done\r\nif exist \"%s\" \"%s\" /warning\r\ndel \"%s\"",
                           paths.program, paths.program, paths.batch);
    } else {
        fits = FormatWhole(out, size, ":done\r\ndel \"%s\"", paths.batch);
    }
    return fits ? static_cast<int>(std::strlen(out)) : -1;
}
