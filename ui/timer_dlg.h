// CTimerDlg: the strip. It counts the work units and pauses down, runs the stopwatch,
// switches between its compact and expanded forms and remembers its place.
#pragma once

#include <string>

#include "controls/text_progress_ctrl.h"
#include "core/chord.h"
#include "core/second_grid.h"
#include "core/settings_file.h"
#include "core/status_display.h"
#include "core/workday.h"
#include "core/stopwatch.h"
#include "core/unit_cycle.h"
#include "resource.h"
#include "win32/controls.h"
#include "win32/dialog.h"
#include "win32/gdi.h"
#include "strip_host.h"

class CTimerDlg : public CMessageMapped<CTimerDlg, CDialog> {
    // The icon buttons in the order of their image slots.
    static constexpr int kImageSlots = 7;

public:
    // Reads and saves its settings through the file it is given, which outlives it; its host
    // takes the instance name, by which a second start finds the running strip, and the layouts
    // that tell which chords type an AltGr character.
    CTimerDlg(const ProfileFile& file, const std::wstring& instanceName, const AltGrLayouts& layouts = {});

    // Reads the run's settings, pauses a running countdown, starts again at work unit 1 and
    // makes the strip compact with the width the stopwatch switch gives it.
    void ApplySettings();

    // What the host calls for what comes from outside the strip.
    // Runs what the chord's button runs; the fourth hides the strip or shows it again.
    void RunChordAction(ChordAction action);
    // Ends the strip as its own close command does, and every dialog it opened with it.
    void EndAsCloseCommand();
    // Saves the place as the exit button would, in the compact form's size, and changes nothing.
    void SavePlace() const;
    // Shows the strip, in front of the other topmost windows, without taking the focus; false,
    // showing nothing, once the strip is ending.
    bool BringIntoView();
    // Reads the system's colours and the high-contrast switch again and repaints.
    void FollowSystemColours();
    // Moves a strip that is no longer wholly on a monitor onto one, as at start-up.
    void KeepOnMonitor();
    // Puts the strip back above a window that has come above it.
    void KeepAbove(HWND hWnd);
    // Asks whether a full-screen program runs, while the switch is on, and steps aside for it or
    // comes back.
    void FollowFullScreen();
    // Pauses a running work unit while the screen is locked, and goes on at the unlock.
    void SetLocked(bool bLocked);

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange() override;
    void OnOK() override;
    void OnCancel() override;

    // Starts the alarm sound; it plays while the countdown goes on.
    virtual void PlayAlarm(const wchar_t* file);

public:
    std::string m_strAlarmFile;
    Stopwatch m_stopwatch;
    RECT m_rcInitial{};
    // The images the buttons gave back, released at the button's next change. The images are the
    // strip's own, made for its DPI: none is destroyed while a button shows it.
    CIcon m_hReplacedImage[kImageSlots];
    int m_bStopwatch = 0;
    int m_bCaption = 0;
    int m_nInterval = 0;
    UnitCycle m_cycle;
    CStatic m_txtStopwatch;
    CButton m_btnStopwatchStart;
    CButton m_btnStopwatchReset;
    CButton m_btnExit;
    CButton m_btnCaption;
    CButton m_btnStart;
    CButton m_btnNext;
    CButton m_btnSettings;
    CTextProgressCtrl m_progress;
    // Shared by the system (LoadIconA): releasing it frees nothing.
    CIcon m_hMainIcon;

private:
    // An icon button by its member, and the image it starts with.
    struct ImageSlot {
        CButton CTimerDlg::*pButton;
        int nFirstIcon;
    };
    static const ImageSlot kImageSlotTable[kImageSlots];

    // The DPI the strip is shown at: its buttons' pictures and the bar's text are made for it.
    int m_nDpi = 96;
    // The images the buttons show, with the icon each was made from.
    CIcon m_hShownImage[kImageSlots];
    int m_nShownIcon[kImageSlots] = {};
    CToolTipCtrl m_toolTip;
    // Owns the strip and never shows: an owned window has no taskbar button and no Alt+Tab
    // entry. Made before the dialog and gone after it.
    CStripHost m_owner;
    // The settings of this run: the file, and what it could not store kept in memory for the
    // settings dialog and the strip alike.
    RunProfile m_settingsFile;
    // Each second is due on the grid laid when the countdown or the stopwatch started.
    SecondGrid m_countdownGrid;
    SecondGrid m_stopwatchGrid;
    // The chords as last read, for the menu; the host holds them registered.
    ChordSettings m_chords;
    SystemPalette m_system;
    bool m_bHighContrast = false;
    WorkdaySettings m_workday;
    bool m_bFullScreen = false;
    bool m_bHiddenByChord = false;
    bool m_bLocked = false;
    bool m_bPausedByLock = false;
    // From the moment its exit or close begins: a second start then waits for it to end.
    bool m_bEnding = false;
    ULONGLONG m_nFullScreenAsked = 0;

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

    void HideFromTaskbar();
    void SetInitialButtonImages();
    void RestorePlace();
    void CountdownTick();
    void StopwatchTick();
    void ChangePhase();
    void PauseCountdown();
    // Arms the timer for the first second of a count started now, or for its next due second.
    void ArmFirstSecond(UINT_PTR nTimer, SecondGrid& grid);
    void ArmNextSecond(UINT_PTR nTimer, SecondGrid& grid);
    void UpdateDisplay();
    // The bar's colours for the phase, in the system's colours alone while high contrast is on.
    void ApplyPalette();
    // The place in the compact form's size at the strip's corner, as the exit button leaves it.
    WindowPos CompactPlace() const;
    void LoadChords();
    // Switches every chord on or off and writes the switch.
    void ToggleChords();
    // Switches one key of section ARBEITSTAG and writes it.
    void ToggleWorkday(const char* key, int32_t WorkdaySettings::*pSwitch);
    // Shows or hides the strip as the chord and a full-screen program leave it.
    void ShowAsPresence();
    // What a tick of a running count asks about a full-screen program, which Wine tells by no
    // event: at most every kFullScreenAskMs.
    void FollowFullScreenAtTick();
    // Pauses or resumes the countdown as the lock of the screen asks; the step taken.
    LockStep ApplyLockStep();
    void SetButtonIcon(const CButton& button, int nIconID);
    // Releases the image that the slot's button gave back at its last change, shows the icon on
    // it and keeps the image it replaces for release at its next change.
    void ShowButtonIcon(int nSlot, int nIconID);
    void MoveToForm(bool bExpanded);
    // The size of the strip's present form at nDpi: that of a fresh start there.
    FormExtent FormSizeAt(int nDpi) const;
    void ShowAtDpi(int nDpi);
    // Gives each icon button its German name as window text and as tooltip, from one string.
    void NameButtons();
    bool IsIconButton(HWND hWnd) const;
    // Shows the strip's own small menu at the point and returns the command chosen, or 0.
    UINT TrackStripMenu(POINT point) const;
    // The chord entries above the about entry.
    void AppendChordEntries(const CMenu& menu) const;

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
        // Sent by another program while a dialog of the strip is open, a close ends that dialog
        // too, rather than leaving it up over a hidden strip.
        OnPlainMessage<WM_CLOSE, &CTimerDlg::EndAsCloseCommand>(),
    };
};
