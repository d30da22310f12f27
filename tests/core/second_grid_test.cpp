// Seconds on a whole-second grid, counted against a simulated Windows timer over a day.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/second_grid.h"

namespace {

// Windows' timer, in microseconds: the tick count moves on the clock interrupt only, a timer
// rings on the first interrupt once its period has run (or when the machine wakes), its message
// waits in a busy queue, and the handler works a while before it arms the timer again.
struct Machine {
    int64_t nInterruptUs, nMaxQueueUs, nWorkUs, nSleepAtUs = -1, nSleepUs = 0;
};

// The seconds that a count started at nStartUs has counted one day later.
int64_t SecondsInADay(const Machine& m, int64_t nStartUs)
{
    const auto tickCount = [&](int64_t nUs) { return static_cast<uint64_t>(nUs / m.nInterruptUs * m.nInterruptUs / 1000); };
    SecondGrid grid;
    grid.Lay(tickCount(nStartUs), 1000);
    int64_t nArmedUs = nStartUs, nSeconds = 0;
    uint32_t nPeriod = 1000, nJitter = 1;
    for (;;) {
        int64_t nDueUs = nArmedUs + nPeriod * int64_t{1000};
        if (nDueUs >= m.nSleepAtUs && nDueUs < m.nSleepAtUs + m.nSleepUs)
            nDueUs = m.nSleepAtUs + m.nSleepUs;
        nJitter = nJitter * 1103515245u + 12345u;
        const int64_t nHandledUs = (nDueUs + m.nInterruptUs - 1) / m.nInterruptUs * m.nInterruptUs +
                                   (nJitter >> 8) % (m.nMaxQueueUs + 1);
        if (nHandledUs > nStartUs + 86'400'000'000)
            return nSeconds;
        ++nSeconds;
        nArmedUs = nHandledUs + m.nWorkUs;
        nPeriod = grid.Advance(tickCount(nArmedUs), 1000);
    }
}

}  // namespace

TEST(SecondGrid, ADayOfLateTimerMessagesEndsWithinOneTickOfTheWallClock)
{
    const struct {
        const char* what;
        Machine machine;
        int64_t nSeconds;
    } rows[] = {
        {"an exact timer", {1'000, 0, 0}, 86'400},
        {"the 15.625 ms clock and 3 ms of work", {15'625, 0, 3'000}, 86'400},
        {"a queue up to 20 ms late", {15'625, 20'000, 3'000}, 86'400},
        {"a queue up to 900 ms late", {15'625, 900'000, 8'000}, 86'400},
        {"work longer than a clock tick", {15'625, 5'000, 40'000}, 86'400},
        {"an hour asleep pauses the count", {15'625, 5'000, 3'000, 18'000'000'000, 3'600'000'000}, 82'800},
    };
    for (const auto& row : rows) {
        // The countdown's count and the stopwatch's, each started at a moment of its own.
        for (const int64_t nStartUs : {7'777, 123'456'789}) {
            const int64_t nSeconds = SecondsInADay(row.machine, nStartUs);
            EXPECT_TRUE(nSeconds >= row.nSeconds - 1 && nSeconds <= row.nSeconds + 1) << row.what << ": " << nSeconds;
        }
    }
}

TEST(SecondGrid, AStrayTickLaysTheGridAfreshAndNoTimeOverflows)
{
    SecondGrid grid{10'000};
    EXPECT_EQ(grid.Advance(9'400, 1'000), 1'000u);
    EXPECT_EQ(grid.m_nDue, 10'400u);
    grid.m_nDue = UINT64_MAX - 10;
    EXPECT_EQ(grid.Advance(UINT64_MAX - 10, 1'000), 10u);
    EXPECT_EQ(grid.Advance(0, UINT32_MAX), UINT32_MAX);
}
