// When the next second of the countdown or the stopwatch is due.
#include "second_grid.h"

#include <algorithm>
#include <limits>

namespace {

uint64_t AddSaturated(uint64_t nTime, uint32_t nStep)
{
    const uint64_t nMax = std::numeric_limits<uint64_t>::max();
    return nTime > nMax - nStep ? nMax : nTime + nStep;
}

}  // namespace

void SecondGrid::Lay(uint64_t nNow, uint32_t nStep)
{
    m_nDue = AddSaturated(nNow, nStep);
}

uint32_t SecondGrid::Advance(uint64_t nNow, uint32_t nStep)
{
    const bool bEarly = nNow < m_nDue && m_nDue - nNow > nStep / 2;
    const bool bBehind = nNow >= m_nDue && nNow - m_nDue >= nStep;
    m_nDue = bEarly || bBehind ? AddSaturated(nNow, nStep) : AddSaturated(m_nDue, nStep);
    // A timer of 0 ms would be raised to the system's minimum anyway; 1 ms says so.
    const uint64_t nPeriod = m_nDue > nNow ? m_nDue - nNow : 1;
    return static_cast<uint32_t>(std::min<uint64_t>(nPeriod, std::numeric_limits<uint32_t>::max()));
}
