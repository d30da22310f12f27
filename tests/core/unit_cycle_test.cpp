// The cycle of work units and pauses, driven tick by tick as the countdown timer drives it.
#include <gtest/gtest.h>

#include <climits>

#include "core/settings.h"
#include "core/unit_cycle.h"

namespace {

TimerSettings Lengths(int32_t work, int32_t shortPause, int32_t longPause, int32_t units)
{
    TimerSettings settings;
    settings.m_nWorkMins = work;
    settings.m_nShortPauseMins = shortPause;
    settings.m_nLongPauseMins = longPause;
    settings.m_nUnitsPerLongPause = units;
    return settings;
}

UnitCycle FreshCycle(const TimerSettings& settings = TimerSettings{})
{
    UnitCycle cycle;
    cycle.Reset(settings);
    return cycle;
}

int TimeLeft(const UnitCycle& cycle)
{
    return cycle.m_nMinutes * 60 + cycle.m_nSeconds;
}

// Ticks until the tick count reaches `target`, returning how many of the ticks changed phase.
int TickTo(UnitCycle& cycle, int& ticks, int target)
{
    int advanced = 0;
    while (ticks < target) {
        advanced += cycle.Tick() ? 1 : 0;
        ++ticks;
    }
    return advanced;
}

}  // namespace

TEST(UnitCycle, ResetTakesTheLengthsAndStartsUnitOneStopped)
{
    UnitCycle cycle;
    cycle.m_bRunning = 1;
    cycle.m_bPause = 1;
    cycle.m_nElapsed = 77;
    cycle.Reset(TimerSettings{});

    EXPECT_EQ(cycle.m_nWorkSecs, 1500);
    EXPECT_EQ(cycle.m_nShortPauseSecs, 300);
    EXPECT_EQ(cycle.m_nLongPauseSecs, 1800);
    EXPECT_EQ(cycle.m_nUnitsPerLongPause, 4);
    EXPECT_EQ(cycle.m_nUnit, 1);
    EXPECT_EQ(cycle.m_bPause, 0);
    EXPECT_EQ(cycle.m_nMinutes, 25);
    EXPECT_EQ(cycle.m_nSeconds, 0);
    EXPECT_EQ(cycle.m_nElapsed, 0);
    EXPECT_EQ(cycle.m_nTotal, 1500);
    EXPECT_EQ(cycle.m_bRunning, 0);
}

TEST(UnitCycle, CourseOfTheFirstUnitAndPauseWithTheDefaults)
{
    struct Row {
        int tick, pause, left, unit, elapsed, total, advancedSincePrevious;
    };
    const Row course[] = {
        {0, 0, 1500, 1, 0, 1500, 0},  {1, 0, 1499, 1, 1, 1500, 0},  {1500, 0, 0, 1, 1500, 1500, 0},
        {1501, 1, 300, 1, 1, 300, 1}, {1801, 1, 0, 1, 301, 300, 0}, {1802, 0, 1500, 2, 1, 1500, 1},
    };
    UnitCycle cycle = FreshCycle();
    int ticks = 0;
    for (const Row& row : course) {
        SCOPED_TRACE(row.tick);
        EXPECT_EQ(TickTo(cycle, ticks, row.tick), row.advancedSincePrevious);
        EXPECT_EQ(cycle.m_bPause, row.pause);
        EXPECT_EQ(TimeLeft(cycle), row.left);
        EXPECT_EQ(cycle.m_nUnit, row.unit);
        EXPECT_EQ(cycle.m_nElapsed, row.elapsed);
        EXPECT_EQ(cycle.m_nTotal, row.total);
    }
}

TEST(UnitCycle, TheTickThatEndsAPhaseIsTheFirstSecondOfTheNext)
{
    UnitCycle cycle = FreshCycle(Lengths(1, 1, 2, 4));
    int ticks = 0;
    TickTo(cycle, ticks, 60);
    EXPECT_EQ(TimeLeft(cycle), 0);  // 0:00 stands for one whole tick,
    EXPECT_TRUE(cycle.Tick());      // and the next one uses the phase up
    EXPECT_EQ(cycle.m_bPause, 1);
    EXPECT_EQ(TimeLeft(cycle), 60);
    EXPECT_EQ(cycle.m_nElapsed, 1);
    EXPECT_EQ(TimeLeft(cycle) + cycle.m_nElapsed, cycle.m_nTotal + 1);
}

TEST(UnitCycle, TheLongPauseComesAfterUnitAnzahlAndCountingStartsAgain)
{
    UnitCycle cycle = FreshCycle();
    const int unitsBefore[] = {1, 2, 3};
    for (int unit : unitsBefore) {
        ASSERT_EQ(cycle.m_nUnit, unit);
        cycle.Advance();
        EXPECT_EQ(cycle.m_nTotal, 300) << "short pause after unit " << unit;
        EXPECT_EQ(cycle.m_nUnit, unit);
        cycle.Advance();
    }
    ASSERT_EQ(cycle.m_nUnit, 4);
    cycle.Advance();
    EXPECT_EQ(cycle.m_bPause, 1);
    EXPECT_EQ(cycle.m_nTotal, 1800);
    EXPECT_EQ(cycle.m_nMinutes, 30);
    EXPECT_EQ(cycle.m_nUnit, 0);
    cycle.Advance();
    EXPECT_EQ(cycle.m_bPause, 0);
    EXPECT_EQ(cycle.m_nUnit, 1);
    EXPECT_EQ(cycle.m_nTotal, 1500);
}

TEST(UnitCycle, AnzahlOfOneOrLessMakesEveryPauseLong)
{
    for (int32_t units : {1, 0, -5}) {
        SCOPED_TRACE(units);
        UnitCycle cycle = FreshCycle(Lengths(25, 5, 30, units));
        for (int round = 0; round < 3; ++round) {
            EXPECT_EQ(cycle.m_nUnit, 1);
            cycle.Advance();
            EXPECT_EQ(cycle.m_nTotal, 1800);
            EXPECT_EQ(cycle.m_nUnit, 0);
            cycle.Advance();
        }
    }
}

TEST(UnitCycle, AdvanceFromOutsideATickStartsThePhaseAtZeroAndKeepsRunning)
{
    UnitCycle cycle = FreshCycle();
    cycle.ToggleRunning();
    int ticks = 0;
    TickTo(cycle, ticks, 700);
    cycle.Advance();
    EXPECT_EQ(cycle.m_nElapsed, 0);
    EXPECT_EQ(cycle.m_bRunning, 1);
    EXPECT_EQ(TimeLeft(cycle), 300);
    // Such a phase ends with the position at the upper bound, not above it.
    ticks = 0;
    TickTo(cycle, ticks, 300);
    EXPECT_EQ(TimeLeft(cycle), 0);
    EXPECT_EQ(cycle.m_nElapsed, cycle.m_nTotal);
}

TEST(UnitCycle, CountDownAcrossMinuteBoundaries)
{
    UnitCycle cycle = FreshCycle(Lengths(1, 5, 30, 4));
    cycle.m_nMinutes = 0;
    cycle.m_nSeconds = 59;
    EXPECT_FALSE(cycle.CountDown());
    EXPECT_EQ(TimeLeft(cycle), 58);

    cycle.m_nMinutes = 1;
    cycle.m_nSeconds = 0;
    EXPECT_FALSE(cycle.CountDown());
    EXPECT_EQ(cycle.m_nMinutes, 0);
    EXPECT_EQ(cycle.m_nSeconds, 59);

    cycle.m_nMinutes = 0;
    cycle.m_nSeconds = 0;
    EXPECT_TRUE(cycle.CountDown());
    EXPECT_EQ(cycle.m_nMinutes, -1);
}

TEST(UnitCycle, APhaseOfZeroMinutesIsUsedUpByTheNextTick)
{
    UnitCycle cycle = FreshCycle(Lengths(0, 0, 0, 4));
    EXPECT_EQ(TimeLeft(cycle), 0);
    EXPECT_TRUE(cycle.Tick());
    EXPECT_EQ(cycle.m_bPause, 1);
    EXPECT_EQ(cycle.m_nElapsed, 1);
    EXPECT_TRUE(cycle.Tick());
    EXPECT_EQ(cycle.m_bPause, 0);
    EXPECT_EQ(cycle.m_nUnit, 2);
}

TEST(UnitCycle, ToggleRunningFlipsAndPhaseChangesLeaveItAlone)
{
    UnitCycle cycle = FreshCycle();
    EXPECT_EQ(cycle.ToggleRunning(), 1);
    cycle.Advance();
    cycle.Tick();
    EXPECT_EQ(cycle.m_bRunning, 1);
    EXPECT_EQ(cycle.ToggleRunning(), 0);
    EXPECT_EQ(cycle.m_bRunning, 0);
}

TEST(UnitCycle, LengthsBeyondThirtyTwoBitsAreClampedWithoutOverflow)
{
    UnitCycle cycle = FreshCycle(Lengths(INT_MAX, INT_MIN, 35791394, INT_MAX));
    EXPECT_EQ(cycle.m_nWorkSecs, INT_MAX);
    EXPECT_EQ(cycle.m_nShortPauseSecs, INT_MIN);
    EXPECT_EQ(cycle.m_nLongPauseSecs, 35791394 * 60);
    EXPECT_EQ(cycle.m_nMinutes, INT_MAX / 60);
    EXPECT_EQ(cycle.m_nTotal, INT_MAX);
    // A negative pause is used up by its first tick.
    cycle.Advance();
    EXPECT_TRUE(cycle.Tick());
    EXPECT_EQ(cycle.m_bPause, 0);
    EXPECT_EQ(cycle.m_nUnit, 2);
}

TEST(UnitCycle, CountersSaturateInsteadOfOverflowing)
{
    UnitCycle cycle = FreshCycle();
    cycle.m_nElapsed = INT_MAX;
    cycle.CountElapsed();
    EXPECT_EQ(cycle.m_nElapsed, INT_MAX);

    cycle.m_bPause = 1;
    cycle.m_nUnit = INT_MAX;
    cycle.Advance();
    EXPECT_EQ(cycle.m_nUnit, INT_MAX);

    cycle.m_nMinutes = INT_MIN;
    cycle.m_nSeconds = 0;
    EXPECT_TRUE(cycle.CountDown());
    EXPECT_EQ(cycle.m_nMinutes, INT_MIN);
}
