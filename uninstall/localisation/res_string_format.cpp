#include "uninstall/localisation/res_string_format.h"

// '%' (0x25) is never the second byte of a double-byte character, so a byte
// scan is safe in every ANSI code page.
bool IsSingleTextFormat(const char* format) {
    int texts = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        ++p;
        if (*p == 's')
            ++texts;
        else if (*p != '%')
            return false;
    }
    return texts == 1;
}
