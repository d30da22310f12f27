// CTimerDlg's working day: what its host and its small menu ask of the strip. The chords, the
// presence beside a full-screen program, the lock and the sleep, the system's colours and the
// monitors; the rules are the core's, the strip carries out their answers.
#include "timer_dlg.h"

#include <optional>

#include "core/settings_file.h"
#include "core/window_layout.h"
#include "resource.h"
#include "strip_menu.h"
#include "win32/monitor.h"

void CTimerDlg::RunMenuCommand(UINT nCommand)
{
    if (nCommand == IDM_ABOUTBOX) {
        SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    } else if (nCommand == IDM_CHORDS_ACTIVE) {
        SettingsFile::SaveChordsActive(m_chords.m_bActive == 1 ? 0 : 1, m_settingsFile);
        LoadChords();
    } else if (nCommand == IDM_AWAY_FULL_SCREEN) {
        ToggleWorkday(kKeyFullScreen, &WorkdaySettings::m_bFullScreen);
    } else if (nCommand == IDM_AWAY_LOCK) {
        ToggleWorkday(kKeyLock, &WorkdaySettings::m_bLock);
    } else if (nCommand == IDM_SPEAK_REMAINING) {
        Announce(SpokenStatus(m_cycle), true);
    } else if (const std::optional<ChordAction> action = ChordActionOfEntry(nCommand)) {
        RunChordAction(*action);
    }
}

void CTimerDlg::LoadChords()
{
    m_chords = SettingsFile::LoadChordSettings(m_settingsFile);
    m_owner.RegisterChords(m_chords);
}

// Any chord answers a phase end, as a click of the strip does.
void CTimerDlg::RunChordAction(ChordAction action)
{
    React();
    switch (action) {
    case ChordAction::StartPause:
        OnStartPause();
        break;
    case ChordAction::Next:
        OnNextUnit();
        break;
    case ChordAction::Stopwatch:
        OnStopwatchStartStop();
        break;
    case ChordAction::ShowHide:
        // Hidden, the strip counts on and rings as usual.
        m_day.ToggleByChord();
        ShowAsPresence();
        break;
    }
}

void CTimerDlg::EndAsCloseCommand()
{
    // A menu or a dialog that the strip opened ends with it, as its own cancel would end it:
    // nothing may hold the run once the strip is gone.
    m_bEnding = true;
    ::EndMenu();
    EndDialogsOwnedBy(m_hWnd, IDCANCEL);
    EndDialog(IDCANCEL);
}

WindowPos CTimerDlg::CompactPlace() const
{
    const RECT rect = GetWindowRect();
    const FormExtent size = WindowLayout::FormSize(m_rcInitial.right - m_rcInitial.left,
                                                   m_rcInitial.bottom - m_rcInitial.top, m_bStopwatch,
                                                   WindowForm::Compact);
    return WindowPos{rect.left, rect.top, size.cx, size.cy};
}

void CTimerDlg::SavePlace() const
{
    if (m_hWnd)
        SettingsFile::SaveWindowPos(CompactPlace(), m_settingsFile);
}

bool CTimerDlg::BringIntoView()
{
    if (m_bEnding || !m_hWnd)
        return false;
    m_day.BringIntoView();
    ShowAsPresence();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void CTimerDlg::ShowAsPresence()
{
    const bool bShown = m_day.Presence().bShown;
    if (bShown != (::IsWindowVisible(m_hWnd) != FALSE))
        ShowWindow(bShown ? SW_SHOWNA : SW_HIDE);
}

void CTimerDlg::FollowFullScreen()
{
    m_day.SetFullScreen(m_day.Settings().m_bFullScreen == 1 && m_owner.IsFullScreenNow());
    ShowAsPresence();
}

void CTimerDlg::FollowFullScreenAtTick()
{
    if (m_day.IsFullScreenAskDue(m_owner.Questions().pNow()))
        FollowFullScreen();
}

CountState CTimerDlg::Count() const
{
    return CountState{m_cycle.m_bPause == 0, m_cycle.m_bRunning == 1};
}

// Only what the day held goes on, and only a running countdown is held.
CountStep CTimerDlg::CarryOut(CountStep step)
{
    if (step != CountStep::None && (m_cycle.m_bRunning == 1) != (step == CountStep::GoOn))
        ToggleCountdown();
    return step;
}

void CTimerDlg::TakeSessionChange(UINT nStatus)
{
    CarryOut(m_day.TakeSessionChange(nStatus, Count()));
}

void CTimerDlg::Suspend()
{
    CarryOut(m_day.Suspend(m_owner.Questions().pNow(), Count()));
}

// A running pause counts on by the seconds slept, ringing at most once where it ran out; the work
// unit it ran out into waits.
void CTimerDlg::Resume()
{
    if (!m_day.IsAsleep())
        return;
    const int32_t nSeconds = m_day.SecondsAsleep(m_owner.Questions().pNow(), Count());
    bool bCounts = m_cycle.m_bRunning == 1;
    for (int32_t nSecond = 0; nSecond < nSeconds && bCounts; ++nSecond)
        bCounts = CountSecond();
    // A pause that counts on is armed here; a work unit that goes on arms itself.
    const bool bPauseCountsOn = m_cycle.m_bRunning == 1;
    CarryOut(m_day.Wake(Count()));
    if (bPauseCountsOn)
        ArmFirstSecond(kCountdownTimer, m_countdownGrid);
    UpdateDisplay();
}

void CTimerDlg::ToggleWorkday(const char* key, int32_t WorkdaySettings::*pSwitch)
{
    WorkdaySettings settings = m_day.Settings();
    SettingsFile::WriteInt(kSectionWorkday, key, settings.*pSwitch == 1 ? 0 : 1, m_settingsFile);
    CarryOut(m_day.SetSettings(SettingsFile::LoadWorkdaySettings(m_settingsFile), Count()));
    FollowFullScreen();
}

void CTimerDlg::KeepOnMonitor()
{
    const RECT rect = GetWindowRect();
    const WindowPos place{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
    // A strip on no monitor at all goes to the nearest one, so that it can be reached.
    const std::optional<MonitorAreas> areas = MonitorAreasUnder(place, true);
    if (!areas)
        return;
    const WindowPos moved = WindowLayout::MoveOntoMonitor(place, areas->monitor, areas->work);
    if (moved != place)
        ::SetWindowPos(m_hWnd, nullptr, moved.m_nLeft, moved.m_nTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Only a visible strip that the window really stands above moves: no re-assert of a strip that is
// on top already, so that two topmost programs never take turns.
void CTimerDlg::KeepAbove(HWND hWnd)
{
    if (::IsWindowVisible(m_hWnd) && IsAbove(hWnd, m_hWnd))
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
