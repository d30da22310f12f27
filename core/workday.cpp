// The decisions of the full-screen, the lock and the phase end's switches.
#include "workday.h"

#include <climits>

StripPresence PresenceFor(int32_t bSwitch, bool bFullScreen, bool bHiddenByChord)
{
    const bool bAway = bSwitch == 1 && bFullScreen;
    return StripPresence{!bAway && !bHiddenByChord, !bAway};
}

bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor)
{
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

bool IsFullScreenProgram(const FrontWindow& front, bool bPresentationMode)
{
    if (!front.bThere || !front.bOnStripMonitor)
        return false;
    const bool bCovers = CoversMonitor(front.rect, front.monitor) && !front.bMaximised && !front.bCaptioned &&
                         !front.bCloaked && !WindowLayout::IsShellWindowClass(front.className);
    return bCovers || bPresentationMode;
}

LockStep LockStepFor(int32_t bSwitch, bool bLocked, bool bWork, bool bRunning, bool bPausedByLock)
{
    if (!bLocked)
        return bPausedByLock ? LockStep::Resume : LockStep::None;
    return bSwitch == 1 && bWork && bRunning ? LockStep::Pause : LockStep::None;
}

bool SessionAway::Take(uint32_t nStatus)
{
    switch (nStatus) {
    case kSessionLock:
        bLocked = true;
        return true;
    case kSessionUnlock:
        bLocked = bDisconnected = false;
        return true;
    case kSessionConsoleDisconnect:
    case kSessionRemoteDisconnect:
        bDisconnected = true;
        return true;
    case kSessionConsoleConnect:
    case kSessionRemoteConnect:
        bDisconnected = false;
        return true;
    default:
        return false;
    }
}

CountStep Workday::SetSettings(const WorkdaySettings& settings, CountState count)
{
    m_settings = settings;
    if (m_settings.m_bFullScreen != 1)
        m_bAskedAtTick = false;
    return Step(count);
}

StripPresence Workday::Presence() const
{
    return PresenceFor(m_settings.m_bFullScreen, m_bFullScreen && !m_bShownOverFullScreen, m_bHiddenByChord);
}

void Workday::ToggleByChord()
{
    if (Presence().bShown) {
        // Hidden again over a full screen, it is as quiet as the full screen asks.
        m_bHiddenByChord = true;
        m_bShownOverFullScreen = false;
        return;
    }
    BringIntoView();
}

void Workday::BringIntoView()
{
    m_bHiddenByChord = false;
    m_bShownOverFullScreen = m_bFullScreen;
}

bool Workday::SetFullScreen(bool bFullScreen)
{
    const bool bShown = Presence().bShown;
    m_bFullScreen = bFullScreen;
    if (!bFullScreen)
        m_bShownOverFullScreen = false;
    return Presence().bShown != bShown;
}

bool Workday::IsFullScreenAskDue(uint64_t nNowMs)
{
    if (m_settings.m_bFullScreen != 1 || (m_bAskedAtTick && nNowMs - m_nAskedAtMs < kFullScreenAskMs))
        return false;
    m_bAskedAtTick = true;
    m_nAskedAtMs = nNowMs;
    return true;
}

CountStep Workday::TakeSessionChange(uint32_t nStatus, CountState count)
{
    return m_away.Take(nStatus) ? Step(count) : CountStep::None;
}

CountStep Workday::Suspend(uint64_t nNowMs, CountState count)
{
    if (m_settings.m_bLock != 1 || m_bAsleep)
        return CountStep::None;
    m_bAsleep = true;
    m_nAsleepSinceMs = nNowMs;
    return Step(count);
}

int32_t Workday::SecondsAsleep(uint64_t nNowMs, CountState count) const
{
    if (!m_bAsleep || count.bWork || !count.bRunning || nNowMs < m_nAsleepSinceMs)
        return 0;
    const uint64_t nSeconds = (nNowMs - m_nAsleepSinceMs) / 1000;
    return nSeconds > INT32_MAX ? INT32_MAX : static_cast<int32_t>(nSeconds);
}

CountStep Workday::Wake(CountState count)
{
    if (!m_bAsleep)
        return CountStep::None;
    m_bAsleep = false;
    if (m_bBegunAsleep)
        return CountStep::None;
    return Step(count);
}

CountStep Workday::AtPhaseStart(CountState count)
{
    const CountStep step = Step(count);
    m_bBegunAsleep = m_bBegunAsleep || (step == CountStep::Hold && m_bAsleep);
    return step;
}

// The lock's decision, with the away of every kind: a step taken is remembered here, so that
// only what the day held goes on.
CountStep Workday::Step(CountState count)
{
    switch (LockStepFor(m_settings.m_bLock, IsAway(), count.bWork, count.bRunning, m_bHeldByAway)) {
    case LockStep::Pause:
        m_bHeldByAway = true;
        return CountStep::Hold;
    case LockStep::Resume:
        m_bHeldByAway = m_bBegunAsleep = false;
        return CountStep::GoOn;
    default:
        return CountStep::None;
    }
}

std::optional<std::string> SoundFileFor(StripSound sound, const std::string& alarm, const PhaseEndSettings& settings)
{
    switch (sound) {
    case StripSound::Alarm:
        return alarm;
    case StripSound::PauseAlarm:
        return settings.m_strPauseAlarm.empty() ? alarm : settings.m_strPauseAlarm;
    case StripSound::Warning:
        if (settings.m_strWarningSound.empty())
            return std::nullopt;
        return settings.m_strWarningSound;
    default:
        return std::nullopt;
    }
}

void Workday::UserStartedOrPaused()
{
    m_bHeldByAway = m_bBegunAsleep = false;
    m_bWaitsForInput = m_bPhaseWaits = false;
    React();
}

void Workday::SetPhaseEndSettings(const PhaseEndSettings& settings)
{
    m_phaseEnd = settings;
    m_bWaitsForInput = m_bWarned = m_bPhaseWaits = false;
    React();
}

PhaseEndStep Workday::EndPhase(CountState next, uint64_t nNowMs, uint32_t nInputClock)
{
    const StripSound sound = next.bWork ? StripSound::PauseAlarm : StripSound::Alarm;
    const bool bWaits = !(next.bWork ? m_phaseEnd.m_bUnitBySelf : m_phaseEnd.m_bPauseBySelf);
    m_bUnanswered = bWaits || m_phaseEnd.m_nRepeatSecs > 0;
    m_bPhaseWaits = bWaits;
    m_bWarningShown = false;
    m_nEndedAtMs = nNowMs;
    m_nRepeats = 0;
    m_endSound = sound;
    m_bWaitsForInput = bWaits && next.bWork && m_phaseEnd.m_bUnitAtInput;
    m_nEndedAtInput = nInputClock;
    // A phase that waits is the user's to start, not the lock's to go on with.
    const CountStep step = bWaits ? CountStep::Hold : AtPhaseStart(next);
    return PhaseEndStep{step, Presence().bSound ? sound : StripSound::None};
}

void Workday::SkipPhase()
{
    m_bWaitsForInput = m_bPhaseWaits = false;
    React();
}

bool Workday::IsReminding(uint64_t nNowMs) const
{
    return (m_bUnanswered && nNowMs - m_nEndedAtMs < kReminderMs) ||
           (m_bWarningShown && nNowMs - m_nWarnedAtMs < kWarningBlinkMs) || m_bWaitsForInput;
}

ReminderStep Workday::Remind(uint64_t nNowMs)
{
    ReminderStep step;
    step.bReadInput = m_bWaitsForInput && !IsAway();
    // Seconds are counted to the nearest, so that a timer a little early or late still meets them.
    const auto secondsSince = [nNowMs](uint64_t nSinceMs) { return (nNowMs - nSinceMs + 500) / 1000; };
    if (m_bWarningShown && nNowMs - m_nWarnedAtMs < kWarningBlinkMs)
        step.bInverted = secondsSince(m_nWarnedAtMs) % 2 == 0;
    if (!m_bUnanswered || nNowMs - m_nEndedAtMs >= kReminderMs) {
        m_bUnanswered = false;
        return step;
    }
    const uint64_t nSeconds = secondsSince(m_nEndedAtMs);
    step.bInverted = nSeconds % 2 == 0;
    const auto nRepeatSecs = static_cast<uint64_t>(RepeatSecondsFrom(m_phaseEnd.m_nRepeatSecs));
    if (nRepeatSecs > 0 && nSeconds >= (static_cast<uint64_t>(m_nRepeats) + 1) * nRepeatSecs) {
        // A repeat missed while the strip was silent or nobody was there is not rung later.
        m_nRepeats = static_cast<int64_t>(nSeconds / nRepeatSecs);
        if (Presence().bSound && !IsAway())
            step.sound = m_endSound;
    }
    return step;
}

CountStep Workday::TakeInput(uint32_t nLastInput)
{
    // The input clock runs round every 49.7 days: what lies less than half a round after the end
    // came after it.
    if (!m_bWaitsForInput || IsAway() || static_cast<int32_t>(nLastInput - m_nEndedAtInput) <= 0)
        return CountStep::None;
    UserStartedOrPaused();
    return CountStep::GoOn;
}

StripSound Workday::Warn(int32_t nElapsedSecs, int32_t nTotalSecs, uint64_t nNowMs)
{
    // A hand-edited length may be negative, and the seconds counted past it.
    const int64_t nRemainingSecs = int64_t{nTotalSecs} - nElapsedSecs;
    const int32_t nWarningSecs = WarningMinutesFrom(m_phaseEnd.m_nWarningMins) * 60;
    if (nRemainingSecs > nWarningSecs) {
        m_bWarned = false;
        return StripSound::None;
    }
    if (nWarningSecs == 0 || m_bWarned || nTotalSecs <= nWarningSecs)
        return StripSound::None;
    m_bWarned = m_bWarningShown = true;
    m_nWarnedAtMs = nNowMs;
    return Presence().bSound ? StripSound::Warning : StripSound::None;
}

bool Workday::IsAnnouncementDue(std::string_view text, uint64_t nNowMs)
{
    if (!Presence().bSound || (text == m_strAnnounced && nNowMs - m_nAnnouncedAtMs < kAnnounceRepeatMs))
        return false;
    m_strAnnounced = text;
    m_nAnnouncedAtMs = nNowMs;
    return true;
}
