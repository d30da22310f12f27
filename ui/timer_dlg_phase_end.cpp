// CTimerDlg at the end of a phase: the sound it rings, the reminder that blinks the bar and rings
// again until the user answers, the warning before the end, the unit that starts with the user's
// first input, and what a screen reader hears of them. The rules are the working day's; the strip
// carries out their answers.
#include "timer_dlg.h"

#include "win32/alarm_sound.h"
#include "win32/wide_text.h"

bool CTimerDlg::CountSecond()
{
    if (m_cycle.CountDown()) {
        ChangePhase();
        const PhaseEndStep end = m_day.EndPhase(Count(), m_owner.Questions().pNow(), ::GetTickCount());
        Ring(end.sound);
        KeepReminding();
        // A phase that waits for the user, and a work unit that begins while nobody is at the
        // desk, wait at their full length.
        const bool bWaits = CarryOut(end.step) == CountStep::Hold;
        Announce(bWaits ? SpokenWaiting(m_cycle) : SpokenPhaseStart(m_cycle));
        if (bWaits)
            return false;
    }
    // The tick that ends a phase counts as the first second of the next.
    m_cycle.CountElapsed();
    const StripSound warning = m_day.Warn(m_cycle.m_nElapsed, m_cycle.m_nTotal, m_owner.Questions().pNow());
    Ring(warning);
    if (warning == StripSound::Warning)
        Announce(SpokenWarning(WarningMinutesFrom(m_day.PhaseEnd().m_nWarningMins)));
    KeepReminding();
    return true;
}

void CTimerDlg::PlayAlarm(const wchar_t* file)
{
    PlaySoundAtLevel(file, m_day.PhaseEnd().m_nLevel);
}

// A sound at level 0 is silent; the strip blinks all the same.
void CTimerDlg::Ring(StripSound sound)
{
    const std::optional<std::string> file = SoundFileFor(sound, m_strAlarmFile, m_day.PhaseEnd());
    if (file && m_day.PhaseEnd().m_nLevel > 0)
        PlayAlarm(AlarmToPlay(*file).c_str());
}

// The reminder's second runs from the event that began it, while the day has something to remind
// of; when it ends, the bar is drawn as it is again.
void CTimerDlg::KeepReminding()
{
    const bool bReminding = m_day.IsReminding(m_owner.Questions().pNow());
    if (bReminding && !m_bReminding) {
        SetTimer(kReminderTimer, 1000);
        m_bReminding = true;
        ReminderTick();
    } else if (!bReminding && m_bReminding) {
        KillTimer(kReminderTimer);
        m_bReminding = false;
        ShowInverted(false);
    }
}

void CTimerDlg::ReminderTick()
{
    const ReminderStep step = m_day.Remind(m_owner.Questions().pNow());
    Ring(step.sound);
    if (step.bReadInput) {
        if (const std::optional<DWORD> nLastInput = m_owner.Questions().pLastInput())
            CarryOut(m_day.TakeInput(*nLastInput));
    }
    ShowInverted(step.bInverted);
    KeepReminding();
}

void CTimerDlg::ShowInverted(bool bInverted)
{
    if (bInverted == m_bInverted)
        return;
    m_bInverted = bInverted;
    ApplyPalette();
    m_progress.InvalidateRect(nullptr, FALSE);
}

// The bar stops blinking at once, whatever else still needs the reminder's second.
void CTimerDlg::React()
{
    m_day.React();
    ShowInverted(false);
    KeepReminding();
}

// A click of any of the strip's buttons, by the pointer or the keyboard, or of its bar, answers a
// phase end before the click does what it does; a command the strip sends itself does not.
bool CTimerDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && lParam != 0)
        React();
    return CMessageMapped::OnWndMsg(message, wParam, lParam, result);
}

void CTimerDlg::Announce(const SpokenText& text, bool bAskedFor)
{
    if (m_day.IsAnnouncementDue(text.view(), m_owner.Questions().pNow()))
        m_announcer.Announce(WidenAscii(text).c_str(), bAskedFor);
}
