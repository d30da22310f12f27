// The decisions of the full-screen and the lock switches, as two tables.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
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

TEST(Workday, OnlyAWindowThatReallyCoversTheStripsMonitorIsAFullScreenProgram)
{
    const ScreenRect monitor{1280, 0, 2560, 1024};
    const auto front = [&](std::string className, ScreenRect rect, bool bMaximised = false, bool bCaptioned = false,
                           bool bCloaked = false, bool bOnStripMonitor = true) {
        return FrontWindow{true, std::move(className), rect, bMaximised, bCaptioned, bCloaked, bOnStripMonitor, monitor};
    };
    const ScreenRect whole{1280, 0, 2560, 1024};
    const ScreenRect overhanging{1272, -8, 2568, 1032};
    const struct {
        FrontWindow window;
        bool bPresentation, bFullScreen;
    } rows[] = {
        {front("Game", whole), false, true},
        {front("Game", overhanging, true), false, false},  // maximised where the taskbar hides itself
        {front("Game", whole, false, true), false, false},
        {front("Game", whole, false, false, true), false, false},
        {front("Game", whole, false, false, false, false), true, false},  // on the other monitor
        {front("XamlExplorerHostIslandWindow", whole), false, false},
        {front("Windows.UI.Core.CoreWindow", whole), false, false},
        {front("Progman", whole), false, false},
        {front("Editor", {1280, 0, 2560, 984}), false, false},  // a report of busy that never clears
        {front("Editor", {1280, 0, 2560, 984}), true, true},
        {FrontWindow{}, true, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(IsFullScreenProgram(row.window, row.bPresentation), row.bFullScreen) << row.window.className;
}

TEST(Workday, TheUserWinsOverAFullScreenAndSleepHoldsAWorkUnitAndCountsAPauseOnOnce)
{
    const CountState work{true, true}, heldWork{true, false}, pause{false, true};
    Workday day;
    EXPECT_TRUE(day.SetFullScreen(true));
    EXPECT_EQ(day.Presence(), (StripPresence{false, false}));
    day.ToggleByChord();
    EXPECT_EQ(day.Presence(), (StripPresence{true, true}));
    EXPECT_FALSE(day.SetFullScreen(false));
    EXPECT_TRUE(day.SetFullScreen(true));
    day.BringIntoView();
    EXPECT_EQ(day.Presence(), (StripPresence{true, true}));
    day.ToggleByChord();
    EXPECT_EQ(day.Presence(), (StripPresence{false, false}));
    EXPECT_FALSE(day.SetFullScreen(false));
    EXPECT_EQ(day.Presence(), (StripPresence{false, true}));
    EXPECT_TRUE(day.IsFullScreenAskDue(1000));
    EXPECT_FALSE(day.IsFullScreenAskDue(1499));
    EXPECT_TRUE(day.IsFullScreenAskDue(1500));
    // A reader hears nothing while the strip stands aside, and the same text not twice in 2 s.
    Workday heard;
    EXPECT_TRUE(heard.IsAnnouncementDue("Pause, 5 Minuten", 1000));
    EXPECT_FALSE(heard.IsAnnouncementDue("Pause, 5 Minuten", 2999));
    EXPECT_TRUE(heard.IsAnnouncementDue("Einheit 2, 25 Minuten", 2999));
    EXPECT_TRUE(heard.IsAnnouncementDue("Pause, 5 Minuten", 3000));
    heard.SetFullScreen(true);
    EXPECT_FALSE(heard.IsAnnouncementDue("Noch 2 Minuten", 9000));

    // A work unit holds through the sleep and goes on at the wake, the screen unlocked.
    EXPECT_EQ(day.Suspend(10'000, work), CountStep::Hold);
    EXPECT_EQ(day.Suspend(11'000, heldWork), CountStep::None);
    EXPECT_EQ(day.SecondsAsleep(70'000, heldWork), 0);
    EXPECT_EQ(day.Wake(heldWork), CountStep::GoOn);
    EXPECT_EQ(day.Wake(work), CountStep::None);
    // A pause counts on by 240 whole seconds of the 240.9 slept; the unit it ran out into waits,
    // for the user or an unlock.
    EXPECT_EQ(day.Suspend(100'000, pause), CountStep::None);
    EXPECT_EQ(day.SecondsAsleep(340'900, pause), 240);
    EXPECT_EQ(day.AtPhaseStart(work), CountStep::Hold);
    EXPECT_EQ(day.Wake(heldWork), CountStep::None);
    EXPECT_EQ(day.TakeSessionChange(kSessionUnlock, heldWork), CountStep::GoOn);
    // Locked before the sleep, the unit waits for the unlock; with the switch off, sleep is no event.
    EXPECT_EQ(day.TakeSessionChange(kSessionLock, work), CountStep::Hold);
    EXPECT_EQ(day.Suspend(0, heldWork), CountStep::None);
    EXPECT_EQ(day.Wake(heldWork), CountStep::None);
    EXPECT_EQ(day.TakeSessionChange(kSessionUnlock, heldWork), CountStep::GoOn);
    EXPECT_EQ(day.SetSettings(WorkdaySettings{1, 0}, work), CountStep::None);
    EXPECT_EQ(day.Suspend(0, work), CountStep::None);
    EXPECT_FALSE(day.IsAsleep());
}

// What the settings file's own rows leave out: a sign without digits after it, a unit after the
// digits, leading zeros, and a number beyond 32 bits below zero.
TEST(PhaseEnd, AHandEditedNumberIsReadUpToItsLastDigitAndIntoThirtyTwoBits)
{
    const struct {
        const char* text;
        std::optional<int32_t> number;
    } texts[] = {{"", std::nullopt}, {"- 5", std::nullopt}, {"+7 s", 7}, {"007", 7}, {"-99999999999", -2147483647 - 1}};
    for (const auto& row : texts)
        EXPECT_EQ(SettingNumber(row.text), row.number) << row.text;
}

TEST(PhaseEnd, APhaseWaitsAndTheAlarmRepeatsUntilTheUserReactsForTenMinutesAtMost)
{
    const CountState pause{false, true}, heldPause{false, false}, work{true, true};
    PhaseEndSettings settings;
    settings.m_bPauseBySelf = false;
    settings.m_nRepeatSecs = 30;
    Workday day;
    day.SetPhaseEndSettings(settings);
    const PhaseEndStep end = day.EndPhase(pause, 1000, 0);
    EXPECT_EQ(end.step, CountStep::Hold);
    EXPECT_EQ(end.sound, StripSound::Alarm);
    EXPECT_TRUE(day.IsPhaseWaiting());
    // The bar is inverted in the first second and every other one; the alarm comes again at 30
    // and 60 s, with a timer a little early or late; not while the screen is locked.
    const struct {
        uint64_t nNowMs;
        bool bInverted;
        StripSound sound;
    } seconds[] = {{1000, true, StripSound::None},     {2000, false, StripSound::None},
                   {30'600, true, StripSound::Alarm},  {31'600, false, StripSound::None},
                   {61'400, true, StripSound::Alarm},  {62'000, false, StripSound::None}};
    for (const auto& row : seconds) {
        const ReminderStep step = day.Remind(row.nNowMs);
        EXPECT_EQ(step.bInverted, row.bInverted) << row.nNowMs;
        EXPECT_EQ(step.sound, row.sound) << row.nNowMs;
        EXPECT_FALSE(step.bReadInput);
    }
    day.TakeSessionChange(kSessionLock, heldPause);
    EXPECT_EQ(day.Remind(91'000).sound, StripSound::None);
    day.TakeSessionChange(kSessionUnlock, heldPause);
    EXPECT_EQ(day.Remind(92'000).sound, StripSound::None);
    EXPECT_EQ(day.Remind(121'000).sound, StripSound::Alarm);
    EXPECT_TRUE(day.IsReminding(600'999));
    EXPECT_FALSE(day.IsReminding(601'000));

    // A pause that ends: the unit waits for the first input after the end, on a clock that runs
    // round; the pause's own alarm falls back on the alarm.
    settings.m_bUnitBySelf = false;
    settings.m_bUnitAtInput = true;
    day.SetPhaseEndSettings(settings);
    EXPECT_EQ(day.EndPhase(work, 700'000, 4'294'967'000u).sound, StripSound::PauseAlarm);
    EXPECT_EQ(SoundFileFor(StripSound::PauseAlarm, "Gong.wav", settings), "Gong.wav");
    EXPECT_TRUE(day.Remind(701'000).bReadInput);
    EXPECT_EQ(day.TakeInput(4'294'966'999u), CountStep::None);
    EXPECT_EQ(day.TakeInput(4'294'967'000u), CountStep::None);
    EXPECT_EQ(day.TakeInput(5), CountStep::GoOn);
    EXPECT_FALSE(day.IsPhaseWaiting());
    EXPECT_FALSE(day.IsReminding(702'000));
    // A reaction ends the reminder but not the wait, a skip or new settings do; a phase that rolls
    // on without repeats reminds of nothing and waits for nothing.
    day.EndPhase(pause, 800'000, 0);
    day.React();
    EXPECT_FALSE(day.IsReminding(800'000));
    EXPECT_TRUE(day.IsPhaseWaiting());
    day.SkipPhase();
    EXPECT_FALSE(day.IsPhaseWaiting());
    day.EndPhase(pause, 850'000, 0);
    settings = PhaseEndSettings{};
    day.SetPhaseEndSettings(settings);
    EXPECT_FALSE(day.IsPhaseWaiting());
    EXPECT_EQ(day.EndPhase(pause, 900'000, 0).step, CountStep::None);
    EXPECT_FALSE(day.IsReminding(900'000));
    EXPECT_FALSE(day.IsPhaseWaiting());
}

TEST(PhaseEnd, TheWarningComesOncePerPhaseLongerThanItAndAgainWhenTimeComesBack)
{
    PhaseEndSettings settings;
    settings.m_nWarningMins = 1;
    Workday day;
    day.SetPhaseEndSettings(settings);
    // A minute before the end of 25: at 1440 s of 1500.
    const struct {
        int32_t nElapsed, nTotal;
        StripSound sound;
    } rows[] = {{1439, 1500, StripSound::None}, {1440, 1500, StripSound::Warning}, {1441, 1500, StripSound::None},
                {0, 1500, StripSound::None},    {1470, 1500, StripSound::Warning}, {1, 60, StripSound::None},
                {1, -2147483647 - 1, StripSound::None}};
    for (const auto& row : rows)
        EXPECT_EQ(day.Warn(row.nElapsed, row.nTotal, 5000), row.sound) << row.nElapsed << " of " << row.nTotal;
    // It blinks for three seconds and plays only a warning sound that is set.
    EXPECT_TRUE(day.Remind(5000).bInverted);
    EXPECT_FALSE(day.Remind(6000).bInverted);
    EXPECT_TRUE(day.Remind(7000).bInverted);
    EXPECT_FALSE(day.IsReminding(8000));
    EXPECT_EQ(SoundFileFor(StripSound::Warning, "Gong.wav", settings), std::nullopt);
}
