// A dialog's scale entry: the translation of the empty text in the dialog's
// section, "width-percent*height-percent", for example 115*105.
#include <cstdlib>
#include <cstring>
#include "uninstall/localisation/language_resources.h"

namespace {
// Percentages outside this range would collapse a dialog or overflow the
// coordinate arithmetic; such an entry leaves the dialog as it is.
constexpr long MinPercent = 1;
constexpr long MaxPercent = 1000;

// The leading decimal number, read like atoi (blanks, sign, digits; none
// gives 0), without atoi's undefined result for huge numbers.
long LeadingNumber(const char* text) {
    return std::strtol(text, nullptr, 10);
}
} // namespace

bool ReadScaleEntry(const char* entry, long* x, long* y) {
    *x = *y = 100;
    if (const char* star = std::strchr(entry, '*')) {
        *x = LeadingNumber(entry);
        *y = LeadingNumber(star + 1);
    }
    return *x >= MinPercent && *x <= MaxPercent && *y >= MinPercent && *y <= MaxPercent;
}

bool LanguageResources::GetScale(const char* dialogName, int* xs, int* ys) const {
    char entry[512];
    Translate(entry, sizeof entry, "", dialogName, Dialog);
    long x, y;
    if (!ReadScaleEntry(entry, &x, &y)) x = y = 100;
    *xs = static_cast<int>(x);
    *ys = static_cast<int>(y);
    return !(x == 100 && y == 100);
}
