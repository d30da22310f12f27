// What a screen reader hears of the strip: its times in words rather than "24:57", which readers
// misread, the phase that begins, waits or runs out soon, and the bar's status.
#pragma once

#include <cstdint>

#include "text_buffer.h"

struct UnitCycle;

using SpokenText = TextBuffer<96>;

// Hours, minutes and seconds, each only where it is not 0 and in the singular for 1:
// "1 Stunde 30 Minuten", "24 Minuten 57 Sekunden", "1 Minute"; no time at all, or less, is
// "0 Minuten".
SpokenText SpokenTime(int64_t nSeconds);

// A phase that begins, at its full length: "Einheit 2, 25 Minuten", "Pause, 5 Minuten".
SpokenText SpokenPhaseStart(const UnitCycle& cycle);
// A phase that waits for the user: "Einheit 2 wartet".
SpokenText SpokenWaiting(const UnitCycle& cycle);
// The warning before a phase ends: "Noch 2 Minuten".
SpokenText SpokenWarning(int32_t nMinutes);
// The bar's status as its accessible name: the time it shows, then the phase,
// "24 Minuten 57 Sekunden, Einheit 1".
SpokenText SpokenStatus(const UnitCycle& cycle);
