// Seconds on a whole-second grid, counted against a simulated Windows timer over a day.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/second_grid.h"

// Windows' timer, in microseconds: the tick count moves on the 15.625 ms clock interrupt only, a
// timer rings on the first interrupt once its period has run (or when the machine wakes), its
// message waits in a busy queue, and the handler works before it arms the timer again.
TEST(SecondGrid, ADayOfLateTimerMessagesEndsWithinOneTickOfTheWallClock)
{
    const struct {
        int64_t nMaxQueueUs, nWorkUs, nSleepAtUs, nSleepUs, nSeconds;
    } rows[] = {
        {0, 3'000, -1, 0, 86'400},      {20'000, 3'000, -1, 0, 86'400},   {900'000, 8'000, -1, 0, 86'400},
        {5'000, 40'000, -1, 0, 86'400}, {5'000, 3'000, 18'000'000'000, 3'600'000'000, 82'800},  // an hour asleep pauses the count
    };
    const auto tickCount = [](int64_t nUs) { return static_cast<uint64_t>(nUs / 15'625 * 15'625 / 1000); };
    for (const auto& m : rows) {
        // The countdown's count and the stopwatch's, each started at a moment of its own.
        for (const int64_t nStartUs : {7'777, 123'456'789}) {
            SecondGrid grid;
            grid.Lay(tickCount(nStartUs), 1000);
            int64_t nArmedUs = nStartUs, nSeconds = -1, nHandledUs = 0;
            uint32_t nPeriod = 1000, nJitter = 1;
            for (; nHandledUs <= nStartUs + 86'400'000'000; ++nSeconds) {
                int64_t nDueUs = nArmedUs + nPeriod * int64_t{1000};
                if (nDueUs >= m.nSleepAtUs && nDueUs < m.nSleepAtUs + m.nSleepUs)
                    nDueUs = m.nSleepAtUs + m.nSleepUs;
                nJitter = nJitter * 1103515245u + 12345u;
                nHandledUs = (nDueUs + 15'624) / 15'625 * 15'625 + (nJitter >> 8) % (m.nMaxQueueUs + 1);
                nArmedUs = nHandledUs + m.nWorkUs;
                nPeriod = grid.Advance(tickCount(nArmedUs), 1000);
            }
            EXPECT_TRUE(nSeconds >= m.nSeconds - 1 && nSeconds <= m.nSeconds + 1) << m.nMaxQueueUs << ": " << nSeconds;
        }
    }
    // A stray tick half a step early lays the grid afresh; no time overflows.
    SecondGrid grid{10'000};
    EXPECT_EQ(grid.Advance(9'400, 1'000), 1'000u);
    grid.m_nDue = UINT64_MAX - 10;
    EXPECT_EQ(grid.Advance(UINT64_MAX - 10, 1'000), 10u);
}
