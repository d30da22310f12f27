// The cycle of work units and pauses, counted down one tick at a time.
#pragma once

#include <cstdint>

struct TimerSettings;

struct UnitCycle {
    int32_t m_bRunning = 0;
    int32_t m_bPause = 0;
    int32_t m_nSeconds = 0;
    int32_t m_nMinutes = 0;
    int32_t m_nElapsed = 0;
    int32_t m_nTotal = 0;
    int32_t m_nUnit = 0;
    int32_t m_nWorkSecs = 0;
    int32_t m_nShortPauseSecs = 0;
    int32_t m_nLongPauseSecs = 0;
    int32_t m_nUnitsPerLongPause = 0;

    void Reset(const TimerSettings& settings);
    bool CountDown();
    void Advance();
    void CountElapsed();
    bool Tick();
    int32_t ToggleRunning();
};

// Minutes as seconds; a length too long for 32 bits is cut to the longest that fits.
int32_t MinutesToSeconds(int32_t nMinutes);
