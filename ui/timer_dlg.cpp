// CTimerDlg: the strip. It counts the work units and pauses down, runs the stopwatch,
// switches between its compact and expanded forms and remembers its place.
#include "timer_dlg.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "about_dlg.h"
#include "core/settings_file.h"
#include "core/status_display.h"
#include "core/window_layout.h"
#include "resource.h"
#include "settings_dlg.h"
#include "win32/alarm_sound.h"
#include "win32/high_contrast.h"
#include "win32/icon_image.h"
#include "win32/monitor.h"
#include "win32/resource_string.h"
#include "win32/wide_text.h"

namespace {

constexpr UINT_PTR kCountdownTimer = 0;
constexpr UINT_PTR kStopwatchTimer = 1;
// A tick asks for a full-screen program at most this often: at one tick a second every tick asks,
// and ticks that come faster (a queue of them after a busy moment) do not each ask again.
constexpr ULONGLONG kFullScreenAskMs = 500;

HICON LoadProgramIcon(int nIconID)
{
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconID));
}

// Appends the about entry to the menu, after a separator if asked; where the menu or the entry's
// text is missing, the menu stays as it was and the answer is false.
bool AppendAboutEntry(const CMenu& menu, bool bSeparator)
{
    const std::wstring text = ProgramString(IDS_ABOUTBOX);
    if (!menu.GetSafeHmenu() || text.empty())
        return false;
    if (bSeparator)
        menu.AppendMenu(MF_SEPARATOR);
    menu.AppendMenu(MF_STRING, IDM_ABOUTBOX, text.c_str());
    return true;
}

// The menu entry of each chord action, in the order of the actions.
constexpr UINT kChordEntries[kChordActions] = {IDM_CHORD_START_PAUSE, IDM_CHORD_NEXT, IDM_CHORD_STOPWATCH,
                                               IDM_CHORD_SHOW_HIDE};

// What an entry shows after its chord when the chord is not registered. A chord that would take
// an AltGr character greys its entry; a taken or doubled one leaves the entry running its action.
constexpr struct {
    ChordState state;
    const wchar_t* separator;
    UINT nString;
    UINT nFlags;
} kChordNotes[] = {{ChordState::Taken, L" ", IDS_CHORD_TAKEN, 0},
                   {ChordState::AltGr, L": ", IDS_CHORD_ALTGR, MF_GRAYED},
                   {ChordState::Doubled, L" ", IDS_CHORD_DOUBLED, 0}};

SystemPalette ReadSystemPalette()
{
    return SystemPalette{::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                         ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT)};
}

}  // namespace

const CTimerDlg::ImageSlot CTimerDlg::kImageSlotTable[kImageSlots] = {
    {&CTimerDlg::m_btnCaption, IDI_CAPTION_DOWN}, {&CTimerDlg::m_btnStart, IDI_START},
    {&CTimerDlg::m_btnNext, IDI_NEXT},           {&CTimerDlg::m_btnSettings, IDI_SETTINGS},
    {&CTimerDlg::m_btnExit, IDI_EXIT},           {&CTimerDlg::m_btnStopwatchStart, IDI_START},
    {&CTimerDlg::m_btnStopwatchReset, IDI_RESET},
};

CTimerDlg::CTimerDlg(const ProfileFile& file, const std::wstring& instanceName, const AltGrLayouts& layouts)
    : CMessageMapped(IDD_TIMER_DIALOG, &m_owner),
      m_hMainIcon(LoadProgramIcon(IDR_MAINFRAME)),
      m_owner(*this, instanceName, layouts),
      m_settingsFile(file),
      m_system(ReadSystemPalette()),
      m_bHighContrast(HighContrast::IsOn())
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
    SetInitialButtonImages();
    NameButtons();
    m_rcInitial = GetWindowRect();
    ApplySettings();
    m_stopwatch.Reset();
    m_stopwatch.m_bSwRunning = 0;
    RestorePlace();
    // Hidden since the style change, the strip shows itself once, complete and in its place.
    ShowWindow(SW_SHOW);
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

void CTimerDlg::SetInitialButtonImages()
{
    for (int nSlot = 0; nSlot < kImageSlots; ++nSlot)
        ShowButtonIcon(nSlot, kImageSlotTable[nSlot].nFirstIcon);
}

// Each button's name is the string with the button's id.
void CTimerDlg::NameButtons()
{
    const bool bTips = m_toolTip.Create(*this);
    for (const ImageSlot& slot : kImageSlotTable) {
        const CButton& button = this->*slot.pButton;
        const std::wstring name = ProgramString(static_cast<UINT>(::GetDlgCtrlID(button.GetSafeHwnd())));
        if (name.empty())
            continue;
        // A screen reader reads a button's window text; an icon button shows none of it.
        button.SetWindowText(name.c_str());
        if (bTips)
            m_toolTip.AddTool(button.GetSafeHwnd(), name.c_str());
    }
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

void CTimerDlg::SetButtonIcon(const CButton& button, int nIconID)
{
    for (int nSlot = 0; nSlot < kImageSlots; ++nSlot) {
        if (&(this->*kImageSlotTable[nSlot].pButton) == &button)
            ShowButtonIcon(nSlot, nIconID);
    }
}

void CTimerDlg::ShowButtonIcon(int nSlot, int nIconID)
{
    m_hReplacedImage[nSlot].Reset();
    CIcon image(LoadIconImage(::GetModuleHandleA(nullptr), nIconID, WindowLayout::ButtonIconSize(m_nDpi)));
    // The button gives back the image it showed until now, the one in m_hShownImage: it is kept
    // until the button's next change and released then.
    (this->*kImageSlotTable[nSlot].pButton).SetIcon(image.Get());
    m_hReplacedImage[nSlot] = std::move(m_hShownImage[nSlot]);
    m_hShownImage[nSlot] = std::move(image);
    m_nShownIcon[nSlot] = nIconID;
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
    m_bPausedByLock = false;
    m_workday = SettingsFile::LoadWorkdaySettings(m_settingsFile);
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
    Default();
}

void CTimerDlg::CountdownTick()
{
    KillTimer(kCountdownTimer);
    FollowFullScreenAtTick();
    if (m_cycle.CountDown()) {
        ChangePhase();
        if (PresenceFor(m_workday.m_bFullScreen, m_bFullScreen, m_bHiddenByChord).bSound)
            PlayAlarm(AlarmToPlay(m_strAlarmFile).c_str());
        // A work unit that begins while the screen is locked waits, at its full length.
        if (ApplyLockStep() == LockStep::Pause) {
            UpdateDisplay();
            return;
        }
    }
    // The tick that ends a phase counts as the first second of the next.
    m_cycle.CountElapsed();
    UpdateDisplay();
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

void CTimerDlg::PlayAlarm(const wchar_t* file)
{
    PlaySoundAsync(file);
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

void CTimerDlg::ApplyPalette()
{
    const BarPalette palette = StripPalette(BarColour(m_cycle), m_bHighContrast, m_system);
    m_progress.SetBarColour(palette.crBar);
    m_progress.SetBkColour(palette.crEmpty);
    m_progress.SetTextBkColour(palette.crTextOverBar);
    m_progress.SetTextColour(palette.crTextOverEmpty);
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
    m_bPausedByLock = false;
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
    ChangePhase();
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
    for (int nSlot = 0; nSlot < kImageSlots; ++nSlot)
        ShowButtonIcon(nSlot, m_nShownIcon[nSlot]);
    m_progress.SetDpi(nDpi);
}

void CTimerDlg::OnContextMenu(HWND hSource, POINT point)
{
    const bool bOnButton = IsIconButton(hSource);
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
    const UINT nChosen = TrackStripMenu(point);
    if (nChosen == IDM_ABOUTBOX)
        SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX);
    else if (nChosen == IDM_CHORDS_ACTIVE)
        ToggleChords();
    else if (nChosen == IDM_AWAY_FULL_SCREEN)
        ToggleWorkday(kKeyFullScreen, &WorkdaySettings::m_bFullScreen);
    else if (nChosen == IDM_AWAY_LOCK)
        ToggleWorkday(kKeyLock, &WorkdaySettings::m_bLock);
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        if (nChosen == kChordEntries[nAction])
            RunChordAction(static_cast<ChordAction>(nAction));
    }
}

bool CTimerDlg::IsIconButton(HWND hWnd) const
{
    return std::any_of(std::begin(kImageSlotTable), std::end(kImageSlotTable),
                       [&](const ImageSlot& slot) { return hWnd && (this->*slot.pButton).GetSafeHwnd() == hWnd; });
}

UINT CTimerDlg::TrackStripMenu(POINT point) const
{
    const CPopupMenu menu(::CreatePopupMenu());
    AppendChordEntries(CMenu(menu.Get()));
    if (!AppendAboutEntry(CMenu(menu.Get()), ::GetMenuItemCount(menu.Get()) > 0))
        return 0;
    return static_cast<UINT>(::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, point.x,
                                              point.y, 0, m_hWnd, nullptr));
}

void CTimerDlg::OnOK()
{
    m_bEnding = true;
    if (m_bCaption == 1)
        SendMessage(WM_COMMAND, IDC_CAPTION);
    const RECT rect = GetWindowRect();
    SettingsFile::SaveWindowPos(WindowPos{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top},
                               m_settingsFile);
    for (CIcon& image : m_hReplacedImage)
        image.Reset();
    CDialog::OnOK();
}

void CTimerDlg::OnCancel()
{
    m_bEnding = true;
    CDialog::OnCancel();
}

// Each action's entry shows its chord right-aligned, and why the chord is not registered.
void CTimerDlg::AppendChordEntries(const CMenu& menu) const
{
    if (!menu.GetSafeHmenu())
        return;
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        std::wstring text = ProgramString(kChordEntries[nAction]);
        if (text.empty())
            continue;
        UINT nFlags = MF_STRING;
        if (const std::optional<KeyChord>& chord = m_chords.m_chord[nAction]; chord && m_chords.m_bActive == 1) {
            text += L'\t' + WidenAnsi(ChordText(*chord));
            const ChordState state = m_owner.GetChordState(static_cast<ChordAction>(nAction));
            for (const auto& note : kChordNotes) {
                if (note.state == state) {
                    text += note.separator + ProgramString(note.nString);
                    nFlags |= note.nFlags;
                }
            }
        }
        menu.AppendMenu(nFlags, kChordEntries[nAction], text.c_str());
    }
    const struct {
        UINT nID;
        int32_t bOn;
    } switches[] = {{IDM_CHORDS_ACTIVE, m_chords.m_bActive},
                    {IDM_AWAY_FULL_SCREEN, m_workday.m_bFullScreen},
                    {IDM_AWAY_LOCK, m_workday.m_bLock}};
    for (const auto& entry : switches) {
        const std::wstring text = ProgramString(entry.nID);
        if (!text.empty())
            menu.AppendMenu(MF_STRING | (entry.bOn == 1 ? MF_CHECKED : MF_UNCHECKED), entry.nID, text.c_str());
    }
}

void CTimerDlg::LoadChords()
{
    m_chords = SettingsFile::LoadChordSettings(m_settingsFile);
    m_owner.RegisterChords(m_chords);
}

void CTimerDlg::ToggleChords()
{
    SettingsFile::SaveChordsActive(m_chords.m_bActive == 1 ? 0 : 1, m_settingsFile);
    LoadChords();
}

void CTimerDlg::RunChordAction(ChordAction action)
{
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
        m_bHiddenByChord = !m_bHiddenByChord;
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
    const HWND hStrip = m_hWnd;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            char className[8] = {};
            ::GetClassNameA(hWnd, className, sizeof className);
            const auto hStrip = reinterpret_cast<HWND>(lParam);
            bool bOpenedByStrip = false;
            for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner; hOwner = ::GetWindow(hOwner, GW_OWNER))
                bOpenedByStrip = bOpenedByStrip || hOwner == hStrip;
            if (bOpenedByStrip && std::string_view(className) == "#32770")
                ::EndDialog(hWnd, IDCANCEL);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(hStrip));
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
    m_bHiddenByChord = false;
    ShowAsPresence();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void CTimerDlg::ShowAsPresence()
{
    const bool bShown = PresenceFor(m_workday.m_bFullScreen, m_bFullScreen, m_bHiddenByChord).bShown;
    if (bShown != (::IsWindowVisible(m_hWnd) != FALSE))
        ShowWindow(bShown ? SW_SHOWNA : SW_HIDE);
}

void CTimerDlg::FollowFullScreen()
{
    const bool bFullScreen = m_workday.m_bFullScreen == 1 && m_owner.IsFullScreenNow();
    if (bFullScreen == m_bFullScreen)
        return;
    m_bFullScreen = bFullScreen;
    ShowAsPresence();
}

void CTimerDlg::FollowFullScreenAtTick()
{
    const ULONGLONG nNow = ::GetTickCount64();
    if (m_nFullScreenAsked != 0 && nNow - m_nFullScreenAsked < kFullScreenAskMs)
        return;
    m_nFullScreenAsked = nNow;
    FollowFullScreen();
}

void CTimerDlg::SetLocked(bool bLocked)
{
    m_bLocked = bLocked;
    ApplyLockStep();
}

LockStep CTimerDlg::ApplyLockStep()
{
    const LockStep step = LockStepFor(m_workday.m_bLock, m_bLocked, m_cycle.m_bPause == 0, m_cycle.m_bRunning == 1,
                                      m_bPausedByLock);
    if (step == LockStep::Pause) {
        OnStartPause();
        m_bPausedByLock = true;
    } else if (step == LockStep::Resume) {
        m_bPausedByLock = false;
        if (m_cycle.m_bRunning != 1)
            OnStartPause();
    }
    return step;
}

void CTimerDlg::ToggleWorkday(const char* key, int32_t WorkdaySettings::*pSwitch)
{
    SettingsFile::WriteInt(kSectionWorkday, key, m_workday.*pSwitch == 1 ? 0 : 1, m_settingsFile);
    m_workday = SettingsFile::LoadWorkdaySettings(m_settingsFile);
    FollowFullScreen();
    ApplyLockStep();
}

void CTimerDlg::FollowSystemColours()
{
    m_progress.ReadSystemColours();
    m_system = ReadSystemPalette();
    m_bHighContrast = HighContrast::IsOn();
    ApplyPalette();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
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
