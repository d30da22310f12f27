// CTimerDlg: the strip. It counts the work units and pauses down, runs the stopwatch,
// switches between its compact and expanded forms and remembers its place.
#include "timer_dlg.h"

#include <algorithm>
#include <optional>
#include <string>

#include "about_dlg.h"
#include "core/look.h"
#include "core/settings_file.h"
#include "core/status_display.h"
#include "core/window_layout.h"
#include "resource.h"
#include "settings_dlg.h"
#include "strip_menu.h"
#include "win32/monitor.h"
#include "win32/wide_text.h"

namespace {

HICON LoadProgramIcon(int nIconID)
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID));
}

}  // namespace

CTimerDlg::CTimerDlg(const ProfileFile& file, const std::wstring& instanceName, const DesktopQuestions& questions,
                     StripAction initialAction)
    : CMessageMapped(IDD_TIMER_DIALOG, &m_owner),
      m_hMainIcon(LoadProgramIcon(IDR_MAINFRAME)),
      m_buttons({{&m_btnCaption, IDI_CAPTION_DOWN},
                 {&m_btnStart, IDI_START},
                 {&m_btnNext, IDI_NEXT},
                 {&m_btnSettings, IDI_SETTINGS},
                 {&m_btnExit, IDI_EXIT},
                 {&m_btnStopwatchStart, IDI_START},
                 {&m_btnStopwatchReset, IDI_RESET}}),
      m_owner(*this, instanceName, questions),
      m_settingsFile(file),
      m_initialAction(initialAction),
      m_system(ReadSystemPalette()),
      m_look(LookFor(questions.pHighContrast(), questions.pAppsUseLightTheme())),
      m_announcer([this] { return std::wstring(WidenAscii(SpokenStatus(m_cycle)).c_str()); }, questions.pUiaNotifier,
                  questions.pScreenReader)
{
}

void CTimerDlg::DoDataExchange()
{
    DDX_Control(IDC_STOPWATCH_TEXT, m_txtStopwatch);
    DDX_Control(IDC_STOPWATCH_START, m_btnStopwatchStart);
    DDX_Control(IDC_STOPWATCH_RESET, m_btnStopwatchReset);
    DDX_Control(IDOK, m_btnExit);
    DDX_Control(IDC_CAPTION, m_btnCaption);
    DDX_Control(IDC_START, m_btnStart);
    DDX_Control(IDC_NEXT, m_btnNext);
    DDX_Control(IDC_SETTINGS, m_btnSettings);
    DDX_Control(IDC_PROGRESS, m_progress);
}

BOOL CTimerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AppendAboutEntry(CMenu::SystemMenuOf(*this), true);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hMainIcon.Get()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hMainIcon.Get()));
    HideFromTaskbar();
    m_nDpi = LayoutDpi();
    m_progress.SetDpi(m_nDpi);
    m_progress.SpeakThrough(m_announcer);
    m_buttons.ShowAtDpi(m_nDpi);
    m_buttons.Name(*this);
    m_owner.Questions().pRoundCorners(m_hWnd);
    FollowLook();
    m_rcInitial = GetWindowRect();
    ApplySettings();
    m_stopwatch.Reset();
    m_stopwatch.m_bSwRunning = 0;
    RestorePlace();
    if (m_day.PhaseEnd().m_bStartAtOnce)
        ToggleCountdown();
    // Hidden since the style change, the strip shows itself once, complete and in its place.
    ShowWindow(SW_SHOW);
    // After the start's own countdown, so that /pause pauses one that the settings start at once.
    RunStripAction(m_initialAction);
    return TRUE;
}

// The hidden owner keeps the strip off the taskbar and out of Alt+Tab as well; the style alone
// does not, for a window without an owner.
void CTimerDlg::HideFromTaskbar()
{
    ShowWindow(SW_HIDE);
    ModifyStyleEx(WS_EX_APPWINDOW, 0);
    // Windows makes a system-modal dialog topmost by itself; Wine does not, so ask for it
    // where it is missing. Where the style is there already, nothing changes.
    if (!(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST))
        ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CTimerDlg::RestorePlace()
{
    const WindowPos initial{m_rcInitial.left, m_rcInitial.top, m_rcInitial.right - m_rcInitial.left,
                            m_rcInitial.bottom - m_rcInitial.top};
    const FormExtent size = WindowLayout::FormSize(initial.m_nWidth, initial.m_nHeight, m_bStopwatch,
                                                   WindowForm::Compact);
    WindowPos place =
        WindowLayout::StartPlacement(SettingsFile::LoadWindowPos(initial, m_settingsFile), initial, size);
    // A place on no monitor at all would leave a strip that no one can reach or close; one
    // partly off its monitor comes wholly onto it.
    if (const std::optional<MonitorAreas> areas = MonitorAreasUnder(place))
        place = WindowLayout::MoveOntoMonitor(place, areas->monitor, areas->work);
    else
        place = initial;
    MoveWindow(place.m_nLeft, place.m_nTop, place.m_nWidth, place.m_nHeight, TRUE);
}

void CTimerDlg::SetButtonIcon(const CIconButton& button, int nIconID)
{
    m_buttons.Show(button, nIconID);
}

void CTimerDlg::OnSysCommand(UINT nID)
{
    if (nID == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
        return;
    }
    Default();
}

void CTimerDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    const int cxIcon = ::GetSystemMetrics(SM_CXICON);
    const int cyIcon = ::GetSystemMetrics(SM_CYICON);
    const RECT rect = GetClientRect();
    const int x = (rect.right - rect.left - cxIcon + 1) / 2;
    const int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    ::DrawIcon(dc.GetSafeHdc(), x, y, m_hMainIcon.Get());
}

HICON CTimerDlg::OnQueryDragIcon() const
{
    return m_hMainIcon.Get();
}

void CTimerDlg::OnSettings()
{
    CSettingsDlg dlgSettings(m_settingsFile);
    if (dlgSettings.DoModal() == IDOK)
        ApplySettings();
}

void CTimerDlg::ApplySettings()
{
    const TimerSettings settings = SettingsFile::LoadTimerSettings(kAlarmDefaultMain, m_settingsFile);
    m_bStopwatch = settings.m_bStopwatch;
    m_strAlarmFile = settings.m_strAlarmFile;
    if (m_cycle.m_bRunning == 1)
        PauseCountdown();
    m_cycle.Reset(settings);
    m_progress.SetTextColour(RGB(0, 0, 255));
    m_progress.SetRange(0, m_cycle.m_nTotal);
    m_progress.SetPos(0);
    m_progress.SetBarColour(kBarGreen);
    m_nInterval = 1000;
    m_day.UserStartedOrPaused();
    m_day.SetPhaseEndSettings(SettingsFile::LoadPhaseEndSettings(m_settingsFile));
    KeepReminding();
    CarryOut(m_day.SetSettings(SettingsFile::LoadWorkdaySettings(m_settingsFile), Count()));
    LoadChords();
    // With the caption flag set, the toggle always lands in the compact form.
    m_bCaption = 1;
    SendMessage(WM_COMMAND, IDC_CAPTION);
    UpdateDisplay();
}

// A tick for a count that is not running, posted by another program or left in the queue when
// the user paused, counts nothing and arms nothing.
void CTimerDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kCountdownTimer && m_cycle.m_bRunning == 1)
        CountdownTick();
    else if (nIDEvent == kStopwatchTimer && m_stopwatch.m_bSwRunning == 1)
        StopwatchTick();
    else if (nIDEvent == kReminderTimer && m_bReminding)
        ReminderTick();
    Default();
}

// Ticks that Wine rings while the machine sleeps count nothing: the wake counts the time.
void CTimerDlg::CountdownTick()
{
    KillTimer(kCountdownTimer);
    if (m_day.IsAsleep())
        return;
    FollowFullScreenAtTick();
    const bool bCounts = CountSecond();
    UpdateDisplay();
    if (bCounts)
        ArmNextSecond(kCountdownTimer, m_countdownGrid);
}

// The grid's step is m_nInterval; the time left until a second is due is read off the system's
// monotonic clock.
void CTimerDlg::ArmFirstSecond(UINT_PTR nTimer, SecondGrid& grid)
{
    const auto nStep = static_cast<UINT>(std::max(m_nInterval, 0));
    grid.Lay(::GetTickCount64(), nStep);
    SetTimer(nTimer, nStep);
}

void CTimerDlg::ArmNextSecond(UINT_PTR nTimer, SecondGrid& grid)
{
    SetTimer(nTimer, grid.Advance(::GetTickCount64(), static_cast<UINT>(std::max(m_nInterval, 0))));
}

void CTimerDlg::ChangePhase()
{
    m_cycle.Advance();
    m_progress.SetRange(0, m_cycle.m_nTotal);
    UpdateDisplay();
}

void CTimerDlg::UpdateDisplay()
{
    m_progress.SetPos(m_cycle.m_nElapsed);
    m_progress.SetWindowText(WidenAscii(StatusText(m_cycle)).c_str());
    ApplyPalette();
}

void CTimerDlg::StopwatchTick()
{
    KillTimer(kStopwatchTimer);
    FollowFullScreenAtTick();
    m_stopwatch.Tick();
    m_txtStopwatch.SetWindowText(WidenAscii(m_stopwatch.TimeText()).c_str());
    ArmNextSecond(kStopwatchTimer, m_stopwatchGrid);
}

void CTimerDlg::OnCaptionToggle()
{
    if (m_bCaption == 1) {
        m_bCaption = 0;
        ModifyStyle(WS_CAPTION, 0, SWP_FRAMECHANGED);
        MoveToForm(false);
        SetButtonIcon(m_btnCaption, IDI_CAPTION_DOWN);
    } else {
        m_bCaption = 1;
        ModifyStyle(0, WS_CAPTION, SWP_FRAMECHANGED);
        MoveToForm(true);
        SetButtonIcon(m_btnCaption, IDI_CAPTION_UP);
    }
}

void CTimerDlg::MoveToForm(bool bExpanded)
{
    // The size always comes from the start-up rectangle, so a toggle undoes any other size.
    const RECT rcWindow = GetWindowRect();
    const FormExtent size =
        WindowLayout::FormSize(m_rcInitial.right - m_rcInitial.left, m_rcInitial.bottom - m_rcInitial.top,
                               m_bStopwatch, bExpanded ? WindowForm::Expanded : WindowForm::Compact);
    MoveWindow(rcWindow.left, rcWindow.top, size.cx, size.cy, TRUE);
}

void CTimerDlg::OnStartPause()
{
    m_day.UserStartedOrPaused();
    ToggleCountdown();
}

void CTimerDlg::ToggleCountdown()
{
    if (m_cycle.ToggleRunning() == 1) {
        ArmFirstSecond(kCountdownTimer, m_countdownGrid);
        SetButtonIcon(m_btnStart, IDI_PAUSE);
    } else {
        PauseCountdown();
    }
}

void CTimerDlg::PauseCountdown()
{
    KillTimer(kCountdownTimer);
    SetButtonIcon(m_btnStart, IDI_START);
}

void CTimerDlg::OnNextUnit()
{
    m_day.SkipPhase();
    ChangePhase();
    Announce(SpokenPhaseStart(m_cycle));
}

void CTimerDlg::OnStopwatchStartStop()
{
    if (m_stopwatch.ToggleRunning() == 1) {
        ArmFirstSecond(kStopwatchTimer, m_stopwatchGrid);
        SetButtonIcon(m_btnStopwatchStart, IDI_PAUSE);
    } else {
        KillTimer(kStopwatchTimer);
        SetButtonIcon(m_btnStopwatchStart, IDI_START);
    }
}

void CTimerDlg::OnStopwatchReset()
{
    m_stopwatch.Reset();
    m_txtStopwatch.SetWindowText(L"00:00:00");
}

bool CTimerDlg::OnGetDpiScaledSize(int nDpi, SIZE& size) const
{
    // Asked before a change of DPI, the strip names the size of a fresh start at the new DPI
    // rather than its present size scaled; Windows then suggests a place of that size.
    if (!WindowLayout::IsUsableDpi(nDpi))
        return false;
    const FormExtent fresh = FormSizeAt(nDpi);
    if (fresh.cx <= 0 || fresh.cy <= 0)
        return false;
    size = SIZE{fresh.cx, fresh.cy};
    return true;
}

FormExtent CTimerDlg::FormSizeAt(int nDpi) const
{
    const FormExtent initial = TemplateWindowSize(nDpi, WS_CAPTION);
    return WindowLayout::FormSize(initial.cx, initial.cy, m_bStopwatch,
                                  m_bCaption == 1 ? WindowForm::Expanded : WindowForm::Compact);
}

void CTimerDlg::OnDpiChanged(int nDpi, const RECT* pSuggested)
{
    // Any program may send the message: a DPI that no screen has leaves the strip as it is.
    if (!WindowLayout::IsUsableDpi(nDpi))
        return;
    // The dialog manager rescales the font and the controls; then the strip takes the corner that
    // Windows suggests, and its forms the sizes of a fresh start at the new DPI, laid out from
    // the template as the dialog manager does, not scaled from the old ones nor taken from the
    // suggestion, whose size is the one the strip named before.
    Default();
    if (const FormExtent size = TemplateWindowSize(nDpi, WS_CAPTION); size.cx > 0 && size.cy > 0) {
        m_rcInitial.right = m_rcInitial.left + size.cx;
        m_rcInitial.bottom = m_rcInitial.top + size.cy;
    }
    if (const FormExtent size = FormSizeAt(nDpi); pSuggested && size.cx > 0 && size.cy > 0)
        ::SetWindowPos(m_hWnd, nullptr, pSuggested->left, pSuggested->top, size.cx, size.cy,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    ShowAtDpi(nDpi);
}

void CTimerDlg::ShowAtDpi(int nDpi)
{
    if (!WindowLayout::IsUsableDpi(nDpi))
        return;
    m_nDpi = nDpi;
    m_buttons.ShowAtDpi(nDpi);
    m_progress.SetDpi(nDpi);
}

void CTimerDlg::OnContextMenu(HWND hSource, POINT point)
{
    const bool bOnButton = m_buttons.Contains(hSource);
    const bool bFromKeyboard = point.x == -1 && point.y == -1;
    // A button passes its right click on with its own handle: a click on a button opens nothing.
    if (bOnButton && !bFromKeyboard)
        return;
    if (bFromKeyboard) {
        // From the keyboard (Shift+F10, the menu key): below the focused button, else at the
        // strip's corner.
        RECT rect = GetWindowRect();
        if (bOnButton)
            ::GetWindowRect(hSource, &rect);
        point = POINT{rect.left, bOnButton ? rect.bottom : rect.top};
    }
    // A chord that another program held may have been let go since.
    m_owner.RetryTakenChords(m_chords);
    StripMenuState state{m_chords, {}, m_day.Settings()};
    for (int nAction = 0; nAction < kChordActions; ++nAction)
        state.states[nAction] = m_owner.GetChordState(static_cast<ChordAction>(nAction));
    RunMenuCommand(TrackStripMenu(m_hWnd, point, state));
}

bool CTimerDlg::OnDrawItem(const DRAWITEMSTRUCT& item)
{
    return m_buttons.DrawItem(item);
}

void CTimerDlg::OnOK()
{
    m_bEnding = true;
    if (m_bCaption == 1)
        SendMessage(WM_COMMAND, IDC_CAPTION);
    const RECT rect = GetWindowRect();
    SettingsFile::SaveWindowPos(WindowPos{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top},
                               m_settingsFile);
    CDialog::OnOK();
}

void CTimerDlg::OnCancel()
{
    m_bEnding = true;
    CDialog::OnCancel();
}
