// When the next second of the countdown or the stopwatch is due: on a grid of whole seconds laid
// when the count starts, measured on a monotonic millisecond clock.
#pragma once

#include <cstdint>

// A window timer rings late by a clock tick or a busy queue, and a count that always waited a
// full step after each tick would add every such delay to the next second. Instead each second
// is due on the grid, and the timer is armed for the time left until then.
struct SecondGrid {
    // The clock time at which the next second is due.
    uint64_t m_nDue = 0;

    // Lays the grid afresh at nNow: the first second is due one step later.
    void Lay(uint64_t nNow, uint32_t nStep);
    // Called when a second has been counted at nNow: moves on to the next due second and returns
    // the period to arm for it, from 1 ms to one and a half steps. A tick more than half a step
    // early (a stray timer message) or a whole step late (the machine slept, the thread was
    // blocked) lays the grid afresh at nNow instead, so nothing is ever raced to catch up.
    uint32_t Advance(uint64_t nNow, uint32_t nStep);
};
