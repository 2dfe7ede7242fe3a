#pragma once
// Locale texts (dates, times, locale information) from the ANSI functions, in
// the system code page.
#include <windows.h>

// An ANSI function that fetches locale text gives it in the code page of the
// locale asked about, not in the system's: on a Chinese system with Russian
// formats the bytes are code page 1251, and every window shows them as other
// characters. LOCALE_USE_CP_ACP asks for the system code page. Windows 95 and
// NT 4.0 do not know the flag and fail with it; there the call is made again
// without it (they give the text as before).
//
// `call(flag)` makes the call with `flag` added to its flags and returns what
// the function returns. A failure for a short buffer is returned as it is: a
// call without the flag would give a text in another code page.
template <class Call> int InSystemCodePage(Call call) {
    const int result = call(LOCALE_USE_CP_ACP);
    if (result || GetLastError() == ERROR_INSUFFICIENT_BUFFER) return result;
    return call(0);
}
