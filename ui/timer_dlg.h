// CTimerDlg: the strip. It counts the work units and pauses down, runs the stopwatch,
// switches between its compact and expanded forms and remembers its place.
#pragma once

#include <string>

#include "controls/icon_button.h"
#include "controls/text_progress_ctrl.h"
#include "core/chord.h"
#include "core/look.h"
#include "core/second_grid.h"
#include "core/settings_file.h"
#include "core/spoken_status.h"
#include "core/status_display.h"
#include "core/stopwatch.h"
#include "core/unit_cycle.h"
#include "core/workday.h"
#include "icon_buttons.h"
#include "resource.h"
#include "strip_host.h"
#include "strip_operations.h"
#include "win32/announcer.h"
#include "win32/controls.h"
#include "win32/desktop_questions.h"
#include "win32/dialog.h"
#include "win32/gdi.h"

class CTimerDlg : public CMessageMapped<CTimerDlg, CDialog>, public IStripOperations {
public:
    // Reads and saves its settings through the file it is given, which outlives it; its host
    // takes the instance name, by which a second start finds the running strip, and the
    // questions it asks the platform. The action, asked for at the program's start, is carried
    // out once the strip shows.
    CTimerDlg(const ProfileFile& file, const std::wstring& instanceName, const DesktopQuestions& questions = {},
              StripAction initialAction = StripAction::None);

    // Reads the run's settings, pauses a running countdown, starts again at work unit 1 and
    // makes the strip compact with the width the stopwatch switch gives it.
    void ApplySettings();

    // What the tests and the bench read of the strip, and nothing they could change.
    struct View {
        const UnitCycle& m_cycle;
        const Stopwatch& m_stopwatch;
        const RECT& m_rcInitial;
        const std::string& m_strAlarmFile;
        const int& m_bStopwatch;
        const int& m_bCaption;
    };
    View Read() const { return {m_cycle, m_stopwatch, m_rcInitial, m_strAlarmFile, m_bStopwatch, m_bCaption}; }

    // What the host calls for what comes from outside the strip.
    HWND StripWindow() const override { return m_hWnd; }
    void RunChordAction(ChordAction action) override;
    void EndAsCloseCommand() override;
    void SavePlace() const override;
    bool BringIntoView() override;
    bool RunStripAction(StripAction action) override;
    std::string StatusLine() const override;
    void FollowSystemColours() override;
    void KeepOnMonitor() override;
    void KeepAbove(HWND hWnd) override;
    void FollowFullScreen() override;
    void TakeSessionChange(UINT nStatus) override;
    void Suspend() override;
    void Resume() override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    void OnCancel() override;

    // Starts the alarm sound; it plays while the countdown goes on.
    virtual void PlayAlarm(const wchar_t* file);
    // A click of the strip's buttons or bar answers a phase end before it does what it does.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    static constexpr UINT_PTR kCountdownTimer = 0;
    static constexpr UINT_PTR kStopwatchTimer = 1;
    // The second of a phase end not answered yet, of a warning, or of a unit that waits for input.
    static constexpr UINT_PTR kReminderTimer = 2;

    std::string m_strAlarmFile;
    Stopwatch m_stopwatch;
    RECT m_rcInitial{};
    int m_bStopwatch = 0;
    int m_bCaption = 0;
    int m_nInterval = 0;
    UnitCycle m_cycle;
    CStatic m_txtStopwatch;
    CIconButton m_btnStopwatchStart;
    CIconButton m_btnStopwatchReset;
    CIconButton m_btnExit;
    CIconButton m_btnCaption;
    CIconButton m_btnStart;
    CIconButton m_btnNext;
    CIconButton m_btnSettings;
    CTextProgressCtrl m_progress;
    // Shared by the system (LoadIconA): releasing it frees nothing.
    CIcon m_hMainIcon;
    // The pictures of the icon buttons, made for the DPI the strip is shown at, and their look.
    CIconButtons m_buttons;
    int m_nDpi = 96;
    // Owns the strip and never shows: an owned window has no taskbar button and no Alt+Tab
    // entry. Made before the dialog and gone after it.
    CStripHost m_owner;
    // The settings of this run: the file, and what it could not store kept in memory for the
    // settings dialog and the strip alike.
    RunProfile m_settingsFile;
    // What the program's start asked for, carried out once the strip shows.
    StripAction m_initialAction = StripAction::None;
    // Each second is due on the grid laid when the countdown or the stopwatch started.
    SecondGrid m_countdownGrid;
    SecondGrid m_stopwatchGrid;
    // The chords as last read, for the menu; the host holds them registered.
    ChordSettings m_chords;
    SystemPalette m_system;
    Look m_look = Look::Light;
    // The strip's face in the dark look; none in the others.
    CBrush m_hBackground;
    bool m_bDarkCaption = false;
    // Shown or hidden, counting or held, ringing or silent through the working day.
    Workday m_day;
    // From the moment its exit or close begins: a second start then waits for it to end.
    bool m_bEnding = false;
    // What a screen reader hears of the strip, and the bar's name in words.
    CAnnouncer m_announcer;
    // The reminder's timer runs, and the bar blinks inverted this second.
    bool m_bReminding = false;
    bool m_bInverted = false;

    void OnSysCommand(UINT nID);
    void OnPaint();
    HICON OnQueryDragIcon() const;
    void OnSettings();
    void OnTimer(UINT_PTR nIDEvent);
    void OnCaptionToggle();
    void OnStartPause();
    void OnNextUnit();
    void OnStopwatchStartStop();
    void OnStopwatchReset();
    bool OnGetDpiScaledSize(int nDpi, SIZE& size) const;
    void OnDpiChanged(int nDpi, const RECT* pSuggested);
    void OnContextMenu(HWND hSource, POINT point);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);

    void HideFromTaskbar();
    void RestorePlace();
    void CountdownTick();
    // One second of the countdown; false where the phase it began holds the countdown.
    bool CountSecond();
    void StopwatchTick();
    void ChangePhase();
    // The end of a phase the user's way: the sound it rings, the reminder's second that follows
    // it, and the user's answer, a click of the strip's buttons or its bar, or a chord.
    void EndPhase();
    void Ring(StripSound sound);
    void KeepReminding();
    void ReminderTick();
    void ShowInverted(bool bInverted);
    void React();
    // Tells a screen reader, once, and not while the strip stands aside for a full screen; also
    // where no reader is known to run, if the user asked for it.
    void Announce(const SpokenText& text, bool bAskedFor = false);
    // Starts or pauses the countdown, whoever asks.
    void ToggleCountdown();
    void PauseCountdown();
    // Arms the timer for the first second of a count started now, or for its next due second.
    void ArmFirstSecond(UINT_PTR nTimer, SecondGrid& grid);
    void ArmNextSecond(UINT_PTR nTimer, SecondGrid& grid);
    void UpdateDisplay();
    // The bar's colours for the phase in the strip's look, and the rest of the look: the face and
    // the frame.
    void ApplyPalette();
    void FollowLook();
    LRESULT OnCtlColor(WPARAM wParam, LPARAM lParam);
    static SystemPalette ReadSystemPalette();
    // The place in the compact form's size at the strip's corner, as the exit button leaves it.
    WindowPos CompactPlace() const;
    void LoadChords();
    // Runs a command of the strip's small menu.
    void RunMenuCommand(UINT nCommand);
    // Switches one key of section ARBEITSTAG and writes it.
    void ToggleWorkday(const char* key, int32_t WorkdaySettings::*pSwitch);
    // Shows or hides the strip as the working day has it.
    void ShowAsPresence();
    // What a tick of a running count asks about a full-screen program, which Wine tells by no
    // event: at most every Workday::kFullScreenAskMs.
    void FollowFullScreenAtTick();
    // The countdown as the working day sees it, and a step of the day carried out.
    CountState Count() const;
    CountStep CarryOut(CountStep step);
    void SetButtonIcon(const CIconButton& button, int nIconID);
    void MoveToForm(bool bExpanded);
    // The size of the strip's present form at nDpi: that of a fresh start there.
    FormExtent FormSizeAt(int nDpi) const;
    void ShowAtDpi(int nDpi);

    friend CMessageMapped;
    static constexpr MessageEntry<CTimerDlg> kMessageMap[] = {
        OnSysCommandMessage<&CTimerDlg::OnSysCommand>(),
        OnPlainMessage<WM_PAINT, &CTimerDlg::OnPaint>(),
        OnPlainMessage<WM_QUERYDRAGICON, &CTimerDlg::OnQueryDragIcon>(),
        OnCommandId(IDC_SETTINGS, &CTimerDlg::OnSettings),
        OnTimerMessage<&CTimerDlg::OnTimer>(),
        OnCommandId(IDC_CAPTION, &CTimerDlg::OnCaptionToggle),
        OnCommandId(IDC_START, &CTimerDlg::OnStartPause),
        OnCommandId(IDC_NEXT, &CTimerDlg::OnNextUnit),
        OnCommandId(IDC_STOPWATCH_START, &CTimerDlg::OnStopwatchStartStop),
        OnCommandId(IDC_STOPWATCH_RESET, &CTimerDlg::OnStopwatchReset),
        OnGetDpiScaledSizeMessage<&CTimerDlg::OnGetDpiScaledSize>(),
        OnDpiChangedMessage<&CTimerDlg::OnDpiChanged>(),
        OnContextMenuMessage<&CTimerDlg::OnContextMenu>(),
        OnMessage(WM_CTLCOLORDLG, &CTimerDlg::OnCtlColor),
        OnMessage(WM_CTLCOLORSTATIC, &CTimerDlg::OnCtlColor),
        OnDrawItemMessage<&CTimerDlg::OnDrawItem>(),
        // Sent by another program while a dialog of the strip is open, a close ends that dialog
        // too, rather than leaving it up over a hidden strip.
        OnPlainMessage<WM_CLOSE, &CTimerDlg::EndAsCloseCommand>(),
    };
};
