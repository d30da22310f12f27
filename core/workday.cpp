// The decisions of the full-screen and the lock switches.
#include "workday.h"

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
