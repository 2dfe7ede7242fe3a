#pragma once

// Which programs a new clock text starts. A target is plain text; it matches
// only when it equals the clock text exactly, and an empty target is off.
struct TargetsReached {
    bool alarm;    // start the alarm program (always before the shutdown)
    bool shutdown; // start the power-off command
};

TargetsReached CheckTargets(const char* clock, const char* alarm, const char* shutdown);
