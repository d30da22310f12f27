// The stopwatch's counting and its hh:mm:ss text.
#include <gtest/gtest.h>

#include "core/stopwatch.h"

namespace {

Stopwatch At(int32_t hours, int32_t minutes, int32_t seconds)
{
    Stopwatch watch;
    watch.m_nHours = hours;
    watch.m_nSwMinutes = minutes;
    watch.m_nSwSeconds = seconds;
    return watch;
}

}  // namespace

TEST(Stopwatch, TickCarriesSecondsIntoMinutesAndHoursAndWrapsAfter99)
{
    struct Case {
        Stopwatch before;
        const char* after;
    };
    const Case cases[] = {
        {At(0, 0, 0), "00:00:01"},   {At(0, 0, 59), "00:01:00"},  {At(0, 59, 59), "01:00:00"},
        {At(1, 2, 3), "01:02:04"},   {At(98, 59, 59), "99:00:00"}, {At(99, 59, 59), "00:00:00"},
    };
    for (Case c : cases) {
        c.before.Tick();
        EXPECT_EQ(c.before.TimeText().view(), c.after);
    }
}

TEST(Stopwatch, CountsADayOfTicksAndGoesOnAfterTheWrap)
{
    Stopwatch watch;
    for (int i = 0; i < 100 * 3600 + 61; ++i)
        watch.Tick();
    EXPECT_EQ(watch.TimeText().view(), "00:01:01");
}

TEST(Stopwatch, TimeTextPadsEveryFieldWithZeros)
{
    EXPECT_EQ(At(0, 0, 0).TimeText().view(), "00:00:00");
    EXPECT_EQ(At(1, 2, 3).TimeText().view(), "01:02:03");
    EXPECT_EQ(At(99, 59, 59).TimeText().view(), "99:59:59");
}

TEST(Stopwatch, ResetZeroesTheCountersButNotTheRunningFlag)
{
    Stopwatch watch = At(5, 6, 7);
    EXPECT_EQ(watch.ToggleRunning(), 1);
    watch.Reset();
    EXPECT_EQ(watch.TimeText().view(), "00:00:00");
    EXPECT_EQ(watch.m_bSwRunning, 1);
    EXPECT_EQ(watch.ToggleRunning(), 0);
    watch.Reset();
    EXPECT_EQ(watch.m_bSwRunning, 0);
}
