#pragma once
// The user's long date as the Unicode function gives it, in the system code
// page that an ANSI program's window shows (a character the code page lacks is
// '?'); "" on failure.
#include <windows.h>

#include <string>

inline std::string LongDate(int year, int month, int day) {
    SYSTEMTIME date{};
    date.wYear = static_cast<WORD>(year);
    date.wMonth = static_cast<WORD>(month);
    date.wDay = static_cast<WORD>(day);
    wchar_t wide[128];
    char text[256];
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_LONGDATE, &date, nullptr, wide, 128) ||
        !WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr))
        return "";
    return text;
}
