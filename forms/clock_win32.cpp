#include "forms/clock.h"

#include "forms/locale_text.h"

#include <windows.h>

DateTime CurrentDateTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DateTime{{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

namespace {
int LongDateInto(const SYSTEMTIME& time, char* buffer, int size) {
    return InSystemCodePage([&](DWORD flag) {
        return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE | flag, &time, nullptr, buffer,
                              size);
    });
}
} // namespace

bool FormatLongDate(const CivilDate& date, char* buffer, int size) {
    if (size <= 0) return false;
    buffer[0] = '\0';
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(date.year);
    time.wMonth = static_cast<WORD>(date.month);
    time.wDay = static_cast<WORD>(date.day);
    if (LongDateInto(time, buffer, size)) return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return false;
    // Too long for the caller's buffer: format into a larger one and cut.
    char whole[256];
    if (!LongDateInto(time, whole, sizeof whole)) return false;
    lstrcpynA(buffer, whole, size);
    return true;
}
