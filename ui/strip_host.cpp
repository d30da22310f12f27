// CStripHost: each message from outside gets a plain decision and one named operation of the strip.
#include "strip_host.h"

#include <cwchar>

#include "core/window_layout.h"
#include "core/workday.h"
#include "win32/message_filter.h"
#include "win32/strip_command_receiver.h"
#include "win32/strip_command_sender.h"
#include "win32/window_program.h"

namespace {

// Moves of the window in front come in a rush: they are folded into one look for a full-screen
// program this long after the last of them.
constexpr UINT_PTR kFullScreenTimer = 1;
constexpr UINT kFoldMs = 250;

// The host of a running strip named so: a window of the host's class that this very program made.
HWND FindRunningHost(const std::wstring& instanceName)
{
    for (HWND hHost = ::FindWindowExW(nullptr, nullptr, CStripHost::kClassName, instanceName.c_str()); hHost;
         hHost = ::FindWindowExW(nullptr, hHost, CStripHost::kClassName, instanceName.c_str())) {
        if (IsWindowOfThisProgram(hHost))
            return hHost;
    }
    return nullptr;
}

// A strip that has just taken the lock makes its host within moments.
HWND WaitForRunningHost(const std::wstring& instanceName)
{
    HWND hHost = FindRunningHost(instanceName);
    for (int nTry = 0; nTry < 5 && !hHost; ++nTry) {
        ::Sleep(100);
        hHost = FindRunningHost(instanceName);
    }
    return hHost;
}

}  // namespace

CStripHost::CStripHost(IStripOperations& strip, const std::wstring& instanceName, const DesktopQuestions& questions)
    : CMessageMapped(kClassName),
      m_strip(strip),
      m_questions(questions),
      m_watcher([this](DWORD event, HWND hWnd) { OnWinEvent(event, hWnd); }),
      m_session(m_hWnd)
{
    ::SetWindowTextW(m_hWnd, instanceName.c_str());
    AdmitFromLowerPrograms(m_hWnd, kBringIntoViewMessage);
    AdmitFromLowerPrograms(m_hWnd, WM_COPYDATA);
    SubclassWindow(m_hWnd);
}

void CStripHost::RegisterChords(const ChordSettings& chords)
{
    for (CHotKey& hotKey : m_hotKeys)
        hotKey.Unregister();
    const auto typesAltGr = [this](KeyChord chord) {
        return m_questions.layouts.IsTypedInAny(chord.m_nKey, (chord.m_nModifiers & kChordShift) != 0);
    };
    m_chordStates.Decide(chords, typesAltGr,
                         [this](int nAction, KeyChord chord) { return RegisterChord(nAction, chord); });
}

void CStripHost::RetryTakenChords(const ChordSettings& chords)
{
    m_chordStates.RetryTaken(chords, [this](int nAction, KeyChord chord) { return RegisterChord(nAction, chord); });
}

bool CStripHost::RegisterChord(int nAction, KeyChord chord)
{
    return m_hotKeys[nAction].Register(m_hWnd, ChordId(static_cast<ChordAction>(nAction)), chord.m_nModifiers,
                                       chord.m_nKey);
}

CStripHost::RunningStrip CStripHost::BringRunningStripIntoView(const std::wstring& instanceName)
{
    const HWND hHost = WaitForRunningHost(instanceName);
    if (!hHost)
        return RunningStrip::None;
    DWORD_PTR nAnswer = 0;
    if (!::SendMessageTimeoutW(hHost, kBringIntoViewMessage, 0, 0, SMTO_ABORTIFHUNG, 2000, &nAnswer))
        return RunningStrip::Ending;
    return nAnswer == kStripShown ? RunningStrip::Shown : RunningStrip::Ending;
}

CStripHost::RunningStrip CStripHost::HandToRunningStrip(const std::wstring& instanceName, StripAction action,
                                                        std::string& strStatusLine)
{
    const HWND hHost = WaitForRunningHost(instanceName);
    if (!hHost)
        return RunningStrip::None;
    const std::optional<StripAnswer> answer = SendStripCommand(hHost, action);
    if (!answer || answer->nAnswer != kStripShown)
        return RunningStrip::Ending;
    strStatusLine = answer->strLine;
    return RunningStrip::Shown;
}

void CStripHost::OnHotKey(int nId)
{
    if (const std::optional<ChordAction> action = ChordActionOf(nId))
        m_strip.RunChordAction(*action);
}

// A close that reaches the hidden owner, from another program or from the system, ends the strip
// as its own close command does; the window it would otherwise destroy would take the strip with
// it and leave the program running without a window.
void CStripHost::OnClose()
{
    m_strip.EndAsCloseCommand();
}

bool CStripHost::OnQueryEndSession()
{
    return true;
}

// Windows ends the process after this message: the place is saved now or never.
void CStripHost::OnEndSession(bool bEnding)
{
    if (bEnding)
        m_strip.SavePlace();
}

void CStripHost::OnSysColorChange()
{
    m_strip.FollowSystemColours();
}

// Windows names the apps' light or dark mode as the area "ImmersiveColorSet".
void CStripHost::OnSettingChange(UINT nAction, const wchar_t* area)
{
    if (nAction == SPI_SETHIGHCONTRAST || (area && std::wcscmp(area, L"ImmersiveColorSet") == 0))
        m_strip.FollowSystemColours();
    else if (nAction == SPI_SETWORKAREA)
        m_strip.KeepOnMonitor();
}

void CStripHost::OnDisplayChange()
{
    m_strip.KeepOnMonitor();
}

LRESULT CStripHost::OnBringIntoView()
{
    return m_strip.BringIntoView() ? kStripShown : kStripEnding;
}

// A line to /status that no reply window of this program took leaves the sender without one: it
// is told that the record was not known.
LRESULT CStripHost::OnCopyData(const COPYDATASTRUCT& data)
{
    const std::optional<StripCommand> command = ReceiveStripCommand(data);
    if (!command)
        return 0;
    const auto action = static_cast<StripAction>(command->m_nAction);
    if (!m_strip.RunStripAction(action))
        return kStripEnding;
    if (action == StripAction::Status && !AnswerStatus(m_hWnd, *command, m_strip.StatusLine()))
        return 0;
    return kStripShown;
}

void CStripHost::OnSessionChange(UINT nStatus)
{
    m_strip.TakeSessionChange(nStatus);
}

// A wake is told twice where the user is there (automatic, then by the user): the strip takes
// the first and is awake at the second.
void CStripHost::OnPowerBroadcast(UINT nEvent)
{
    if (nEvent == PBT_APMSUSPEND)
        m_strip.Suspend();
    else if (nEvent == PBT_APMRESUMEAUTOMATIC || nEvent == PBT_APMRESUMESUSPEND)
        m_strip.Resume();
}

void CStripHost::OnTimer(UINT_PTR nId)
{
    if (nId == CSessionNotification::kRetryTimer) {
        m_session.Retry();
    } else if (nId == kFullScreenTimer) {
        ::KillTimer(m_hWnd, kFullScreenTimer);
        m_strip.FollowFullScreen();
    }
}

void CStripHost::OnWinEvent(DWORD event, HWND hWnd)
{
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (event == EVENT_SYSTEM_FOREGROUND) {
        const bool bSwitcher = WindowLayout::IsTaskSwitcherClass(className);
        if (WindowLayout::IsShellTaskbarClass(className))
            m_strip.KeepAbove(hWnd);
        else if (m_bSwitcherInFront && !bSwitcher)
            KeepAboveTaskbars();
        m_bSwitcherInFront = bSwitcher;
    }
    ::SetTimer(m_hWnd, kFullScreenTimer, kFoldMs, nullptr);
}

// The switcher leaves the taskbar raised without a foreground event of its own.
void CStripHost::KeepAboveTaskbars()
{
    for (const char* className : WindowLayout::kShellTaskbarClasses) {
        for (HWND hTaskbar = ::FindWindowExA(nullptr, nullptr, className, nullptr); hTaskbar;
             hTaskbar = ::FindWindowExA(nullptr, hTaskbar, className, nullptr))
            m_strip.KeepAbove(hTaskbar);
    }
}

bool CStripHost::IsFullScreenNow() const
{
    const HWND hStrip = m_strip.StripWindow();
    return hStrip && IsFullScreenProgram(m_questions.pFrontWindow(hStrip), m_questions.pPresentationMode());
}
