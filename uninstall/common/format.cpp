#include "uninstall/common/format.h"
#include <cstdarg>
#include <cstdio>

namespace {
// Returns the length written, terminator not counted, or a negative value
// when the result needs more than count bytes. dst is not terminated when the
// result has exactly count bytes.
int FormatAtMost(char* dst, std::size_t count, const char* format, va_list args) {
#ifdef _WIN32
    // msvcrt's own formatter: MinGW's vsnprintf would link its C99 one.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return _vsnprintf(dst, count, format, args); // -1 when count is too small
#pragma GCC diagnostic pop
#else
    const int length = std::vsnprintf(dst, count + 1, format, args);
    return length >= 0 && static_cast<std::size_t>(length) <= count ? length : -1;
#endif
}
} // namespace

bool FormatWhole(char* dst, std::size_t size, const char* format, ...) {
    if (size == 0) return false;
    va_list args;
    va_start(args, format);
    const int length = FormatAtMost(dst, size - 1, format, args);
    va_end(args);
    if (length < 0) {
        dst[0] = '\0';
        return false;
    }
    dst[length] = '\0';
    return true;
}
