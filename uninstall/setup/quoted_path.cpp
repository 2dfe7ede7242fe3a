#include "uninstall/setup/quoted_path.h"
#include <cstring>
#include "uninstall/common/format.h"

bool QuotePath(char* dst, std::size_t size, const char* path, bool always) {
    // A blank is never the trail byte of a two-byte character.
    bool quote = always || std::strchr(path, ' ') != nullptr || std::strchr(path, '\t') != nullptr;
    return FormatWhole(dst, size, quote ? "\"%s\"" : "%s", path);
}
