#include "sombrel/rules/clock_text.h"

namespace {
void PutTwoDigits(char* at, int value) {
    at[0] = static_cast<char>('0' + value / 10 % 10);
    at[1] = static_cast<char>('0' + value % 10);
}
} // namespace

void FormatClockText(int hour, int minute, int second, char (&text)[kClockTextSize]) {
    PutTwoDigits(text, hour);
    text[2] = ':';
    PutTwoDigits(text + 3, minute);
    text[5] = ':';
    PutTwoDigits(text + 6, second);
    text[8] = '\0';
}
