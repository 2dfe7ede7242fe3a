#pragma once

// The clock text "hh:mm:ss" (hours 00 to 23), as the window shows it and as
// the target times are compared with it.
constexpr int kClockTextSize = 9; // eight characters and the NUL

void FormatClockText(int hour, int minute, int second, char (&text)[kClockTextSize]);
