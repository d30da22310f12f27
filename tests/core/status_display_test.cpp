// The status text and bar colour that the progress bar shows of the cycle.
#include <gtest/gtest.h>

#include <climits>

#include "core/spoken_status.h"
#include "core/status_display.h"
#include "core/unit_cycle.h"

namespace {

UnitCycle State(int32_t pause, int32_t minutes, int32_t seconds, int32_t unit)
{
    UnitCycle cycle;
    cycle.m_bPause = pause;
    cycle.m_nMinutes = minutes;
    cycle.m_nSeconds = seconds;
    cycle.m_nUnit = unit;
    return cycle;
}

UnitCycle Progress(int32_t elapsed, int32_t total)
{
    UnitCycle cycle;
    cycle.m_nElapsed = elapsed;
    cycle.m_nTotal = total;
    return cycle;
}

}  // namespace

TEST(StatusText, MinutesPlainSecondsWithLeadingZeroUnitOnlyInWork)
{
    struct Case {
        UnitCycle cycle;
        const char* text;
    };
    const Case cases[] = {
        {State(0, 25, 0, 1), "25:00 --- Einheit 1"}, {State(0, 24, 59, 3), "24:59 --- Einheit 3"},
        {State(0, 0, 9, 2), "0:09 --- Einheit 2"},   {State(0, 0, 10, 2), "0:10 --- Einheit 2"},
        {State(1, 5, 0, 0), "5:00 --- PAUSE"},       {State(1, 0, 0, 4), "0:00 --- PAUSE"},
        {State(1, 30, 15, 0), "30:15 --- PAUSE"},
        // Anything but 1 counts as work.
        {State(2, 1, 5, 7), "1:05 --- Einheit 7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatusText(c.cycle).view(), c.text);
}

TEST(StatusText, ExtremeValuesStillFitTheText)
{
    EXPECT_EQ(StatusText(State(0, INT_MIN, INT_MIN, INT_MIN)).view(),
              "-2147483648:0-2147483648 --- Einheit -2147483648");
    EXPECT_EQ(StatusText(State(0, INT_MAX, INT_MAX, INT_MAX)).view(),
              "2147483647:2147483647 --- Einheit 2147483647");
}

TEST(SpokenStatus, TimesInWordsWithSingularsHoursPastSixtyMinutesAndNothingBelowZero)
{
    const struct {
        int64_t nSeconds;
        const char* words;
    } times[] = {
        {0, "0 Minuten"},     {-5, "0 Minuten"},    {1, "1 Sekunde"},           {57, "57 Sekunden"},
        {60, "1 Minute"},     {61, "1 Minute 1 Sekunde"}, {1497, "24 Minuten 57 Sekunden"},
        {3600, "1 Stunde"},   {5400, "1 Stunde 30 Minuten"}, {7322, "2 Stunden 2 Minuten 2 Sekunden"},
    };
    for (const auto& time : times)
        EXPECT_EQ(SpokenTime(time.nSeconds).view(), time.words) << time.nSeconds;

    UnitCycle work = State(0, 24, 57, 1);
    work.m_nTotal = 1500;
    EXPECT_EQ(SpokenStatus(work).view(), "24 Minuten 57 Sekunden, Einheit 1");
    EXPECT_EQ(SpokenPhaseStart(work).view(), "Einheit 1, 25 Minuten");
    EXPECT_EQ(SpokenWaiting(work).view(), "Einheit 1 wartet");
    UnitCycle pause = State(1, 90, 0, 0);
    pause.m_nTotal = 300;
    EXPECT_EQ(SpokenStatus(pause).view(), "1 Stunde 30 Minuten, Pause");
    EXPECT_EQ(SpokenPhaseStart(pause).view(), "Pause, 5 Minuten");
    EXPECT_EQ(SpokenWarning(1).view(), "Noch 1 Minute");
    EXPECT_EQ(SpokenWarning(2).view(), "Noch 2 Minuten");
    EXPECT_EQ(SpokenStatus(State(0, INT_MIN, INT_MIN, 2)).view(), "0 Minuten, Einheit 2");
    EXPECT_EQ(SpokenStatus(State(0, INT_MAX, 59, 2)).view(), "35791394 Stunden 7 Minuten 59 Sekunden, Einheit 2");
}

TEST(BarColour, MovesFromGreenToRedTruncatingTheShare)
{
    struct Case {
        int32_t elapsed, total;
        uint32_t colour;
    };
    const Case cases[] = {
        {0, 1500, 0x0000FF00},    {1, 1500, 0x0000FF00},    {6, 1500, 0x0000FE01},
        {375, 1500, 0x0000C03F},  {750, 1500, 0x0000807F},  {1125, 1500, 0x000040BF},
        {1500, 1500, 0x000000FF}, {100, 300, 0x0000AA55},   {301, 300, 0x000000FF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BarColour(Progress(c.elapsed, c.total)), c.colour) << c.elapsed << "/" << c.total;
}

TEST(BarColour, AFinishedShortPhaseIsRedNotAFlashOfGreen)
{
    // The last second of a 1- to 4-minute phase begun by a tick lies past its end.
    for (int32_t total : {60, 120, 180, 240})
        EXPECT_EQ(BarColour(Progress(total + 1, total)), kBarRed) << total;
}

TEST(BarColour, APhaseWithoutLengthIsRed)
{
    EXPECT_EQ(BarColour(Progress(0, 0)), kBarRed);
    EXPECT_EQ(BarColour(Progress(1, 0)), kBarRed);
    EXPECT_EQ(BarColour(Progress(1, -300)), kBarRed);
}

TEST(BarColour, BlueStaysZeroForEveryPosition)
{
    for (int32_t total : {1, 60, 300, 1500, INT_MAX}) {
        for (int32_t elapsed : {0, 1, total / 2, total - 1, total, INT_MAX})
            EXPECT_EQ(BarColour(Progress(elapsed, total)) & 0x00FF0000u, 0u) << elapsed << "/" << total;
    }
}

TEST(BarColour, HighContrastDrawsInTheSystemsColoursAloneAndOffKeepsThePhasesBlueText)
{
    const SystemPalette system{0x00112233, 0x00445566, 0x00778899, 0x00AABBCC, 0x00DDEEFF, 0x00102030};
    EXPECT_EQ(StripPalette(0x0000FF00, false, system), (BarPalette{0x0000FF00, 0x00778899, 0x00778899, 0x00FF0000}));
    EXPECT_EQ(StripPalette(0x0000FF00, true, system), (BarPalette{0x00112233, 0x00778899, 0x00445566, 0x00AABBCC}));
}
