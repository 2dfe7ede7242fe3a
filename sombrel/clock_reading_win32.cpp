#include "sombrel/clock_reading.h"

#include <windows.h>

namespace {
long long Seconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<long long>(value.QuadPart / 10000000u);
}
} // namespace

ClockReading ReadClock() {
    FILETIME utc, local;
    GetSystemTimeAsFileTime(&utc);
    if (!FileTimeToLocalFileTime(&utc, &local)) local = utc;
    return {Seconds(local), Seconds(utc), GetTickCount()};
}
