// The strip out of the way of a full-screen program, and a work unit that counts only while
// someone is at the desk: the switches of section ARBEITSTAG and the decisions they make.
#pragma once

#include <cstdint>

#include "window_layout.h"

inline constexpr char kSectionWorkday[] = "ARBEITSTAG";
inline constexpr char kKeyFullScreen[] = "Vollbild";
inline constexpr char kKeyLock[] = "Sperre";

// Both on while their keys are missing; only 1 counts as on.
struct WorkdaySettings {
    int32_t m_bFullScreen = 1;
    int32_t m_bLock = 1;
};

// Whether the strip shows, and whether a phase change rings.
struct StripPresence {
    bool bShown = true;
    bool bSound = true;
    bool operator==(const StripPresence&) const = default;
};

// With the switch on, a full-screen program hides the strip and silences it; a strip hidden by
// its chord stays hidden whatever else happens.
StripPresence PresenceFor(int32_t bSwitch, bool bFullScreen, bool bHiddenByChord);

// A window that covers the whole monitor, or more.
bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor);

// What the countdown does about the lock of the screen, asked at every lock and unlock and at
// every change of phase: a running work unit pauses while the screen is locked, and only a
// countdown that the lock paused goes on at the unlock.
enum class LockStep { None, Pause, Resume };
LockStep LockStepFor(int32_t bSwitch, bool bLocked, bool bWork, bool bRunning, bool bPausedByLock);

// The changes of the session that concern the lock, by the numbers Windows tells them with.
inline constexpr uint32_t kSessionConsoleConnect = 0x1;
inline constexpr uint32_t kSessionConsoleDisconnect = 0x2;
inline constexpr uint32_t kSessionRemoteConnect = 0x3;
inline constexpr uint32_t kSessionRemoteDisconnect = 0x4;
inline constexpr uint32_t kSessionLock = 0x7;
inline constexpr uint32_t kSessionUnlock = 0x8;

// Whether anyone can be at the desk: not while the screen is locked, from the lock to its unlock,
// nor while the session is disconnected (a closed remote desktop, a switch to another user),
// from the disconnect to a connect or an unlock.
struct SessionAway {
    bool bLocked = false;
    bool bDisconnected = false;

    // Takes a change of the session; false for one that says nothing of the desk.
    bool Take(uint32_t nStatus);
    bool IsAway() const { return bLocked || bDisconnected; }
};
