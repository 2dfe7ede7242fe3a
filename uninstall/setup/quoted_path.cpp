#include "uninstall/setup/quoted_path.h"
#include <cstdio>
#include <cstring>

bool QuotePath(char* dst, std::size_t size, const char* path, bool always) {
    // A blank is never the trail byte of a two-byte character.
    bool quote = always || std::strchr(path, ' ') != nullptr || std::strchr(path, '\t') != nullptr;
    int written = std::snprintf(dst, size, quote ? "\"%s\"" : "%s", path);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        if (size > 0) dst[0] = '\0';
        return false;
    }
    return true;
}
