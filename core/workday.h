// The strip out of the way of a full-screen program, a work unit that counts only while someone
// is at the desk, and the end of a phase the user's way: the switches of sections ARBEITSTAG and
// ABLAUF and the decisions they make.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "phase_end.h"
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

// What the strip knows of the window in front when it asks about a full-screen program.
struct FrontWindow {
    // False where no window is in front, or one that is hidden, minimised or the strip's own.
    bool bThere = false;
    std::string className;
    ScreenRect rect;
    bool bMaximised = false;
    bool bCaptioned = false;
    // Hidden by the system though shown, as the windows of another virtual desktop are.
    bool bCloaked = false;
    // Whether it lies most on the monitor the strip lies most on, and that monitor.
    bool bOnStripMonitor = false;
    ScreenRect monitor;
};

// A full-screen program runs on the strip's monitor: the window in front lies there, covers that
// whole monitor, and is no maximised or captioned window, none cloaked and none of the shell's.
// A presentation that Windows reports is one wherever the window in front lies on the strip's
// monitor; any other report of the shell (a Direct3D program, busy) counts only with such a
// window, as a report that never clears must not hide the strip for good.
bool IsFullScreenProgram(const FrontWindow& front, bool bPresentationMode);

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

// The countdown as the working day sees it.
struct CountState {
    bool bWork = true;
    bool bRunning = false;
};

// What the countdown does at an event of the working day: nothing, hold a running work unit, or
// go on with what the day held.
enum class CountStep { None, Hold, GoOn };

// The sounds of the strip: the alarm at the end of a work unit, the one at the end of a pause, and
// the warning before an end.
enum class StripSound { None, Alarm, PauseAlarm, Warning };

// The wave file a sound plays: the pause's own alarm where one is set, else the alarm (an empty
// one rings as a missing file does); the warning only where one is set.
std::optional<std::string> SoundFileFor(StripSound sound, const std::string& alarm, const PhaseEndSettings& settings);

// What the strip does when a tick ends a phase: a phase that waits is held at its full length.
struct PhaseEndStep {
    CountStep step = CountStep::None;
    StripSound sound = StripSound::None;
};

// What the strip does at a second of its reminder: ring again, draw its bar inverted or as it is,
// and read when the user's last input came.
struct ReminderStep {
    StripSound sound = StripSound::None;
    bool bInverted = false;
    bool bReadInput = false;
};

// The strip's presence and rhythm through a working day: hidden by its chord, out of the way of a
// full-screen program unless the user asked for it, and a work unit held while nobody can be at
// the desk (the screen locked, the session disconnected, the machine asleep). It takes the events
// and answers what the strip does; the strip carries the answers out.
class Workday {
public:
    // A tick asks about a full-screen program at most this often.
    static constexpr uint64_t kFullScreenAskMs = 500;

    const WorkdaySettings& Settings() const { return m_settings; }
    // New switches; a lock that holds now, or no longer, is the step.
    CountStep SetSettings(const WorkdaySettings& settings, CountState count);

    // Whether the strip shows and a phase change rings.
    StripPresence Presence() const;
    // The chord hides a shown strip and shows a hidden one, also one that stepped aside for a
    // full screen: the user wins until that full screen ends. A second start only shows.
    void ToggleByChord();
    void BringIntoView();
    // Whether a full-screen program runs on the strip's monitor, as last asked; true where the
    // strip shows or hides from now on.
    bool SetFullScreen(bool bFullScreen);
    // Whether a tick at nNowMs asks about a full-screen program: the switch is on, and the last
    // tick that asked was kFullScreenAskMs ago or more.
    bool IsFullScreenAskDue(uint64_t nNowMs);

    // A change of the session by its number as Windows tells it.
    CountStep TakeSessionChange(uint32_t nStatus, CountState count);
    // The machine goes to sleep at nNowMs: a running work unit holds, and ticks count nothing.
    CountStep Suspend(uint64_t nNowMs, CountState count);
    bool IsAsleep() const { return m_bAsleep; }
    // The seconds a running pause counts on for the sleep that ends at nNowMs, once: 0 when the
    // machine did not sleep, the switch is off or the countdown does not run a pause.
    int32_t SecondsAsleep(uint64_t nNowMs, CountState count) const;
    // The sleep ended, and its seconds are counted: what held goes on, unless the screen is
    // locked still or a work unit began while the machine slept, which waits for the user or the
    // unlock.
    CountStep Wake(CountState count);
    // A phase began by a tick: a work unit that begins while nobody is there waits.
    CountStep AtPhaseStart(CountState count);
    // The user started or paused the countdown: what the lock held is the user's again, a phase
    // that waited waits no longer, and the phase end is answered.
    void UserStartedOrPaused();

    // The end of a phase the user's way, anew: nothing of an earlier end or warning remains.
    const PhaseEndSettings& PhaseEnd() const { return m_phaseEnd; }
    void SetPhaseEndSettings(const PhaseEndSettings& settings);
    // A tick at nNowMs ended a phase, and `next` began, running; nInputClock is the clock that
    // the user's input is timed on. The new phase waits where its switch is off; otherwise a work
    // unit that begins while nobody is there waits for the unlock.
    PhaseEndStep EndPhase(CountState next, uint64_t nNowMs, uint32_t nInputClock);
    // The user skipped to the next phase: the one that waited is gone.
    void SkipPhase();
    // The phase that a phase end held waits for the user, until the user starts, pauses or skips
    // it, new settings come, or the input it waits for starts it.
    bool IsPhaseWaiting() const { return m_bPhaseWaits; }
    // The user reacted: a click on the strip or a chord. The alarm repeats no more and the bar
    // blinks no more; a phase that waits still waits.
    void React() { m_bUnanswered = m_bWarningShown = false; }
    // Whether the strip needs its reminder's second at nNowMs: a phase end unanswered for less
    // than kReminderMs, a warning of the last kWarningBlinkMs, or a unit that waits for input.
    bool IsReminding(uint64_t nNowMs) const;
    // A second of the reminder at nNowMs. The bar blinks, inverted in the first second and every
    // other one after it; the alarm repeats every m_nRepeatSecs, but never while the strip stays
    // silent for a full screen or nobody can be at the desk.
    ReminderStep Remind(uint64_t nNowMs);
    // The user's last input at nLastInput on the input clock: the unit that waits for it goes on
    // when it came after the pause's end.
    CountStep TakeInput(uint32_t nLastInput);
    // A counted second made nElapsedSecs of a phase of nTotalSecs: the warning, once a phase,
    // where the phase is longer than it. Time that comes back above it arms it again.
    StripSound Warn(int32_t nElapsedSecs, int32_t nTotalSecs, uint64_t nNowMs);

    static constexpr uint64_t kReminderMs = 10 * 60 * 1000;
    static constexpr uint64_t kWarningBlinkMs = 3000;

    // Whether a screen reader hears this text at nNowMs: never while the strip stands aside for a
    // full screen, and the same text not again within kAnnounceRepeatMs. A text heard is noted.
    bool IsAnnouncementDue(std::string_view text, uint64_t nNowMs);
    static constexpr uint64_t kAnnounceRepeatMs = 2000;

private:
    bool IsAway() const { return m_away.IsAway() || m_bAsleep; }
    CountStep Step(CountState count);

    WorkdaySettings m_settings;
    bool m_bHiddenByChord = false;
    bool m_bFullScreen = false;
    bool m_bShownOverFullScreen = false;
    bool m_bAskedAtTick = false;
    uint64_t m_nAskedAtMs = 0;
    SessionAway m_away;
    bool m_bAsleep = false;
    uint64_t m_nAsleepSinceMs = 0;
    bool m_bHeldByAway = false;
    bool m_bBegunAsleep = false;

    PhaseEndSettings m_phaseEnd;
    // The phase end not answered yet, when it came, how often it rang again and with what.
    bool m_bUnanswered = false;
    uint64_t m_nEndedAtMs = 0;
    int64_t m_nRepeats = 0;
    StripSound m_endSound = StripSound::None;
    bool m_bPhaseWaits = false;
    // A work unit that waits for the first input after this moment of the input clock.
    bool m_bWaitsForInput = false;
    uint32_t m_nEndedAtInput = 0;
    bool m_bWarned = false;
    bool m_bWarningShown = false;
    uint64_t m_nWarnedAtMs = 0;
    std::string m_strAnnounced;
    uint64_t m_nAnnouncedAtMs = 0;
};
