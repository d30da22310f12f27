// CStripHost: the strip's hidden owner, which answers what comes from outside the strip: the
// chords, the end of the session, a close sent to it, display and colour changes, the taskbar
// coming to the front, a full-screen program, the lock of the screen, the machine's sleep and a
// second start of the program, with or without an action.
#pragma once

#include <optional>
#include <string>

#include "core/chord.h"
#include "strip_operations.h"
#include "win32/desktop_questions.h"
#include "win32/hidden_owner.h"
#include "win32/hot_key.h"
#include "win32/foreground_watcher.h"
#include "win32/session_notification.h"

class CStripHost : public CMessageMapped<CStripHost, CHiddenOwner> {
public:
    // The class of the host's window, which a second start looks for.
    static constexpr wchar_t kClassName[] = L"TarnovellStripHost";
    // Sent by a second start of the program to the host of the running strip, which answers
    // whether the strip is shown or ending; an action comes with WM_COPYDATA, answered alike once
    // it is carried out, and with 0 where the host does not know the record.
    static constexpr UINT kBringIntoViewMessage = WM_APP + 1;
    static constexpr LRESULT kStripShown = 1;
    static constexpr LRESULT kStripEnding = 2;

    // Named for the strip's settings file, so that a second start with the same file finds it;
    // asks the platform what it asks through the questions it is given.
    CStripHost(IStripOperations& strip, const std::wstring& instanceName, const DesktopQuestions& questions);

    const DesktopQuestions& Questions() const { return m_questions; }

    // Registers the chords the settings name, all of them only while they are switched on, but
    // none that types an AltGr character in an installed layout or that an action before has; a
    // chord another program holds stays unregistered and is taken.
    void RegisterChords(const ChordSettings& chords);
    // Registers each taken chord of these settings that its holder has let go since.
    void RetryTakenChords(const ChordSettings& chords);
    ChordState GetChordState(ChordAction action) const { return m_chordStates.m_state[static_cast<int>(action)]; }

    // What a second start learns of the running strip of its settings file: shown now, ending
    // (or not answering within 2 s), or none of this program to be found.
    enum class RunningStrip { Shown, Ending, None };
    // Called by a second start: brings the running strip of the same settings file into view,
    // found by its host's class and name and by the program that made it.
    static RunningStrip BringRunningStripIntoView(const std::wstring& instanceName);
    // Called by a second start with an action: hands it to the running strip found so; the strip's
    // line to /status comes in strStatusLine.
    static RunningStrip HandToRunningStrip(const std::wstring& instanceName, StripAction action,
                                           std::string& strStatusLine);

    // Whether a full-screen program runs on the strip's monitor.
    bool IsFullScreenNow() const;

private:
    void OnHotKey(int nId);
    void OnClose();
    bool OnQueryEndSession();
    void OnEndSession(bool bEnding);
    void OnSysColorChange();
    void OnSettingChange(UINT nAction, const wchar_t* area);
    void OnDisplayChange();
    LRESULT OnBringIntoView();
    LRESULT OnCopyData(const COPYDATASTRUCT& data);
    void OnSessionChange(UINT nStatus);
    void OnPowerBroadcast(UINT nEvent);
    void OnTimer(UINT_PTR nId);
    void OnWinEvent(DWORD event, HWND hWnd);
    // Puts the strip back above every taskbar that has come above it.
    void KeepAboveTaskbars();

    bool RegisterChord(int nAction, KeyChord chord);

    IStripOperations& m_strip;
    DesktopQuestions m_questions;
    CHotKey m_hotKeys[kChordActions];
    ChordStates m_chordStates;
    CForegroundWatcher m_watcher;
    CSessionNotification m_session;
    // Task View or the Alt+Tab switcher in front: the taskbar may come up with it.
    bool m_bSwitcherInFront = false;

    friend CMessageMapped;
    static constexpr MessageEntry<CStripHost> kMessageMap[] = {
        OnHotKeyMessage<&CStripHost::OnHotKey>(),
        OnPlainMessage<WM_CLOSE, &CStripHost::OnClose>(),
        OnPlainMessage<WM_QUERYENDSESSION, &CStripHost::OnQueryEndSession>(),
        OnEndSessionMessage<&CStripHost::OnEndSession>(),
        OnPlainMessage<WM_SYSCOLORCHANGE, &CStripHost::OnSysColorChange>(),
        OnSettingChangeMessage<&CStripHost::OnSettingChange>(),
        OnPlainMessage<WM_DISPLAYCHANGE, &CStripHost::OnDisplayChange>(),
        OnPlainMessage<kBringIntoViewMessage, &CStripHost::OnBringIntoView>(),
        OnCopyDataMessage<&CStripHost::OnCopyData>(),
        OnSessionChangeMessage<&CStripHost::OnSessionChange>(),
        OnPowerBroadcastMessage<&CStripHost::OnPowerBroadcast>(),
        OnTimerMessage<&CStripHost::OnTimer>(),
    };
};
