// The cycle of work units and pauses, counted down one tick at a time.
#include "unit_cycle.h"

#include <algorithm>
#include <limits>

#include "settings.h"

int32_t MinutesToSeconds(int32_t nMinutes)
{
    const int64_t nSeconds = int64_t{nMinutes} * 60;
    return static_cast<int32_t>(std::clamp<int64_t>(nSeconds, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

void UnitCycle::Reset(const TimerSettings& settings)
{
    m_nWorkSecs = MinutesToSeconds(settings.m_nWorkMins);
    // Equal to the work minutes whenever they fit; for a clamped length it keeps the
    // minutes in step with the seconds the phase really has.
    m_nMinutes = m_nWorkSecs / 60;
    m_nShortPauseSecs = MinutesToSeconds(settings.m_nShortPauseMins);
    m_nLongPauseSecs = MinutesToSeconds(settings.m_nLongPauseMins);
    m_nUnitsPerLongPause = settings.m_nUnitsPerLongPause;
    m_nUnit = 1;
    m_bPause = 0;
    m_nTotal = m_nWorkSecs;
    m_nSeconds = 0;
    m_nElapsed = 0;
    m_bRunning = 0;
}

bool UnitCycle::CountDown()
{
    m_nSeconds -= 1;
    if (m_nSeconds < 0) {
        m_nSeconds = 59;
        if (m_nMinutes > std::numeric_limits<int32_t>::min())
            m_nMinutes -= 1;
    }
    return m_nMinutes < 0;
}

void UnitCycle::Advance()
{
    m_nSeconds = 0;
    if (m_bPause == 1) {
        m_bPause = 0;
        m_nMinutes = m_nWorkSecs / 60;
        m_nTotal = m_nWorkSecs;
        if (m_nUnit < std::numeric_limits<int32_t>::max())
            m_nUnit += 1;
    } else {
        m_bPause = 1;
        m_nMinutes = m_nShortPauseSecs / 60;
        m_nTotal = m_nShortPauseSecs;
        if (m_nUnit >= m_nUnitsPerLongPause) {
            m_nMinutes = m_nLongPauseSecs / 60;
            m_nUnit = 0;
            m_nTotal = m_nLongPauseSecs;
        }
    }
    m_nElapsed = 0;
}

void UnitCycle::CountElapsed()
{
    if (m_nElapsed < std::numeric_limits<int32_t>::max())
        m_nElapsed += 1;
}

bool UnitCycle::Tick()
{
    const bool bAdvanced = CountDown();
    if (bAdvanced)
        Advance();
    CountElapsed();
    return bAdvanced;
}

int32_t UnitCycle::ToggleRunning()
{
    m_bRunning = m_bRunning == 0 ? 1 : 0;
    return m_bRunning;
}
