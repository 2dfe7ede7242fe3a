#pragma once
// A target time as a person types it into the input box.
#include "sombrel/rules/clock_text.h"

// Reads h:mm, hh:mm, h:mm:ss or hh:mm:ss (hours 0 to 23, minutes and seconds
// 0 to 59, missing seconds are 0) with blanks around it; the digits and the
// colon may be the full-width forms a Chinese input method types. The text is
// UTF-16 (wide) so that those forms do not depend on the code page. Returns
// false for anything else; otherwise `clock` receives the time as the clock
// shows it, "hh:mm:ss".
bool ReadTimeEntry(const wchar_t* text, char (&clock)[kClockTextSize]);
