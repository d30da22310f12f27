// The stopwatch beside the countdown: hours, minutes and seconds counted up tick by tick.
#pragma once

#include <cstdint>

#include "text_buffer.h"

using TimeString = TextBuffer<48>;

struct Stopwatch {
    int32_t m_bSwRunning = 0;
    int32_t m_nHours = 0;
    int32_t m_nSwMinutes = 0;
    int32_t m_nSwSeconds = 0;

    void Reset();
    void Tick();
    int32_t ToggleRunning();
    TimeString TimeText() const;
};
