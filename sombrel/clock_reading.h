#pragma once
// The clocks as the targets are checked against them.
#include "sombrel/rules/target_check.h"

// Local time and UTC of one moment (local time from UTC by the zone's offset
// now), and the system tick count.
ClockReading ReadClock();
