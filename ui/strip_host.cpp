// CStripHost: each message from outside gets a plain decision and one named operation of the strip.
#include "strip_host.h"

#include "core/settings.h"
#include "core/window_layout.h"
#include "timer_dlg.h"
#include "win32/profile_file.h"

CStripHost::CStripHost(CTimerDlg& strip)
    : m_strip(strip), m_keeper([this](HWND hWnd) { OnForeground(hWnd); })
{
    // Named for its settings file, so that a second start with the same file finds it.
    ::SetWindowTextW(m_hWnd, InstanceName(ProgramSettingsFile::GetPath()).c_str());
    SubclassWindow(m_hWnd);
}

void CStripHost::RegisterChords(const ChordSettings& chords)
{
    for (int nAction = 0; nAction < kChordActions; ++nAction) {
        m_hotKeys[nAction].Unregister();
        m_bTaken[nAction] = false;
        const std::optional<KeyChord>& chord = chords.m_chord[nAction];
        if (chords.m_bActive != 1 || !chord)
            continue;
        m_bTaken[nAction] = !m_hotKeys[nAction].Register(m_hWnd, ChordId(static_cast<ChordAction>(nAction)),
                                                         chord->m_nModifiers, chord->m_nKey);
    }
}

bool CStripHost::BringRunningStripIntoView(const std::wstring& instanceName)
{
    // The running strip may be starting itself still: its host comes within moments.
    for (int nTry = 0; nTry < 50; ++nTry) {
        if (HWND hHost = ::FindWindowW(L"Static", instanceName.c_str()))
            return ::PostMessageW(hHost, kBringIntoViewMessage, 0, 0) != FALSE;
        ::Sleep(100);
    }
    return false;
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

void CStripHost::OnSettingChange(UINT nAction)
{
    if (nAction == SPI_SETHIGHCONTRAST)
        m_strip.FollowSystemColours();
    else if (nAction == SPI_SETWORKAREA)
        m_strip.KeepOnMonitor();
}

void CStripHost::OnDisplayChange()
{
    m_strip.KeepOnMonitor();
}

void CStripHost::OnBringIntoView()
{
    m_strip.BringIntoView();
}

void CStripHost::OnForeground(HWND hWnd)
{
    char className[64] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    if (WindowLayout::IsShellTaskbarClass(className))
        m_strip.KeepAbove(hWnd);
}
