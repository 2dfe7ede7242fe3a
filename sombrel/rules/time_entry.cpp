#include "sombrel/rules/time_entry.h"

namespace {
constexpr wchar_t kFullWidthZero = 0xFF10;
constexpr wchar_t kFullWidthColon = 0xFF1A;
constexpr wchar_t kIdeographicSpace = 0x3000;

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == kIdeographicSpace;
}
bool IsColon(wchar_t c) {
    return c == L':' || c == kFullWidthColon;
}

// The digit's value, or -1.
int DigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= kFullWidthZero && c <= kFullWidthZero + 9) return c - kFullWidthZero;
    return -1;
}

// Reads a number of minDigits to 2 digits, not above `largest`; moves `at` past it.
bool ReadField(const wchar_t*& at, int minDigits, int largest, int* value) {
    int digits = 0;
    *value = 0;
    while (digits < 2 && DigitValue(*at) >= 0) {
        *value = *value * 10 + DigitValue(*at++);
        ++digits;
    }
    return digits >= minDigits && DigitValue(*at) < 0 && *value <= largest;
}
} // namespace

bool ReadTimeEntry(const wchar_t* text, char (&clock)[kClockTextSize]) {
    const wchar_t* at = text;
    while (IsBlank(*at))
        ++at;
    int hour, minute, second = 0;
    if (!ReadField(at, 1, 23, &hour) || !IsColon(*at) || !ReadField(++at, 2, 59, &minute))
        return false;
    if (IsColon(*at) && !ReadField(++at, 2, 59, &second)) return false;
    while (IsBlank(*at))
        ++at;
    if (*at != L'\0') return false;
    FormatClockText(hour, minute, second, clock);
    return true;
}
