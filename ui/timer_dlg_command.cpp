// CTimerDlg driven from a script or launcher: the action a second start hands it, carried out as
// its chord would, and the line that tells its state.
#include "timer_dlg.h"

bool CTimerDlg::RunStripAction(StripAction action)
{
    if (m_bEnding || !m_hWnd)
        return false;
    // /start and /pause only ever start or pause, whatever the countdown did before: a script
    // need not know it.
    const bool bRunning = m_cycle.m_bRunning == 1;
    switch (action) {
    case StripAction::Start:
    case StripAction::Pause:
        if (bRunning != (action == StripAction::Start))
            RunChordAction(ChordAction::StartPause);
        return true;
    case StripAction::Next:
        RunChordAction(ChordAction::Next);
        return true;
    case StripAction::Stopwatch:
        RunChordAction(ChordAction::Stopwatch);
        return true;
    case StripAction::Show:
        return BringIntoView();
    default:
        return true;
    }
}

std::string CTimerDlg::StatusLine() const
{
    return ::StatusLine(m_cycle, m_day.IsPhaseWaiting(), m_stopwatch);
}
