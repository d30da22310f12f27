// The decisions of the full-screen and the lock switches.
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
