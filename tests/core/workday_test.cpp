// The decisions of the full-screen and the lock switches, as two tables.
#include <gtest/gtest.h>

#include <vector>

#include "core/workday.h"

TEST(Workday, AFullScreenProgramHidesAndSilencesTheStripAndTheLockHoldsOnlyARunningWorkUnit)
{
    const struct {
        int32_t bSwitch;
        bool bFullScreen, bHiddenByChord, bShown, bSound;
    } rows[] = {
        {1, false, false, true, true}, {1, true, false, false, false}, {1, true, true, false, false},
        {1, false, true, false, true}, {0, true, false, true, true},   {0, true, true, false, true},
        {2, true, false, true, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(PresenceFor(row.bSwitch, row.bFullScreen, row.bHiddenByChord), (StripPresence{row.bShown, row.bSound}))
            << row.bSwitch << row.bFullScreen << row.bHiddenByChord;
    }
    const ScreenRect monitor{0, 0, 1280, 1024};
    EXPECT_TRUE(CoversMonitor({0, 0, 1280, 1024}, monitor));
    EXPECT_TRUE(CoversMonitor({-8, -8, 1288, 1032}, monitor));
    EXPECT_FALSE(CoversMonitor({0, 0, 1280, 1023}, monitor));
    EXPECT_FALSE(CoversMonitor({1, 0, 1280, 1024}, monitor));

    // The lock pauses a running work unit, and only the unlock of what it paused resumes.
    const struct {
        int32_t bSwitch;
        bool bLocked, bWork, bRunning, bPausedByLock;
        LockStep step;
    } lockRows[] = {
        {1, true, true, true, false, LockStep::Pause},  // a running work unit
        {1, true, false, true, false, LockStep::None},  // a running pause counts on
        {1, true, true, false, false, LockStep::None},  // paused by the user before, or by the lock already
        {1, true, true, false, true, LockStep::None},   {0, true, true, true, false, LockStep::None},
        {1, false, true, false, true, LockStep::Resume},  // the unlock of what the lock paused, switch or not
        {0, false, true, false, true, LockStep::Resume},  {1, false, true, false, false, LockStep::None},
    };
    for (const auto& row : lockRows) {
        EXPECT_EQ(LockStepFor(row.bSwitch, row.bLocked, row.bWork, row.bRunning, row.bPausedByLock), row.step)
            << row.bSwitch << row.bLocked << row.bWork << row.bRunning << row.bPausedByLock;
    }

    // A disconnect is away until a connect or an unlock; a lock only until its unlock. Each row
    // is a run of changes (1 and 3 connect, 2 and 4 disconnect, 7 locks, 8 unlocks, 5 a logon)
    // and whether the desk is away after each.
    const struct {
        std::vector<uint32_t> changes;
        std::vector<bool> away;
    } sessionRows[] = {
        {{7, 8}, {true, false}},          {{2, 1}, {true, false}},       {{4, 8}, {true, false}},
        {{7, 4, 3}, {true, true, true}},  {{4, 7, 3, 8}, {true, true, true, false}},
        {{5, 2, 5}, {false, true, true}},
    };
    for (const auto& row : sessionRows) {
        SessionAway session;
        for (std::size_t i = 0; i < row.changes.size(); ++i) {
            EXPECT_EQ(session.Take(row.changes[i]), row.changes[i] != 5) << i;
            EXPECT_EQ(session.IsAway(), row.away[i]) << i << " of " << row.changes.size();
        }
    }
}
