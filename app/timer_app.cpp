// CTimerApp: the application object; the program lives as long as the strip.
#include "timer_app.h"

#include <optional>
#include <string>

#include "core/settings.h"
#include "core/strip_command.h"
#include "ui/strip_host.h"
#include "ui/timer_dlg.h"
#include "win32/instance_lock.h"
#include "win32/instance_name.h"
#include "win32/lazy_import.h"
#include "win32/profile_file.h"
#include "win32/standard_line.h"
#include "win32/wide_text.h"

namespace {

CTimerApp theApp;

}  // namespace

BOOL CTimerApp::InitInstance()
{
    // Read before anything else: a call that names no action the program knows starts nothing and
    // changes nothing.
    const std::optional<StripAction> action = ParseStripAction(::GetCommandLineW());
    if (!action)
        return EndWithLine(2, STD_ERROR_HANDLE, kUsageLine);
    // The program's settings file is chosen here, once, and handed to the strip, which hands it
    // to its settings dialog.
    const ProgramSettingsFile settingsFile = ProgramSettingsFile::Choose();
    // One strip runs per settings file, however its path is spelled. A run without a file to
    // read is one per executable, so that two copies in different folders without settings do
    // not meet as one.
    const std::wstring& settingsPath = settingsFile.GetPath();
    const std::wstring instanceName = InstanceNameOf(settingsPath.empty() ? ExecutablePath() : settingsPath);
    CInstanceLock lock(instanceName);
    if (!lock.IsFirst() && HandOnToRunningStrip(lock, instanceName, *action))
        return FALSE;
    if (*action == StripAction::Status)
        return EndWithLine(1, STD_OUTPUT_HANDLE, kNotRunningLine);
    Enable3dControls();
    CTimerDlg dlg(settingsFile, instanceName, {}, *action);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop of our own; the program ends with the strip.
    return FALSE;
}

// A second start hands its action to the running strip, or brings it into view as a plain one
// and /zeigen do, and ends without a window, writing nothing.
bool CTimerApp::HandOnToRunningStrip(CInstanceLock& lock, const std::wstring& instanceName, StripAction action)
{
    std::string strStatusLine;
    const CStripHost::RunningStrip running =
        action == StripAction::None || action == StripAction::Show
            ? CStripHost::BringRunningStripIntoView(instanceName)
            : CStripHost::HandToRunningStrip(instanceName, action, strStatusLine);
    if (running == CStripHost::RunningStrip::Shown) {
        if (action == StripAction::Status)
            EndWithLine(0, STD_OUTPUT_HANDLE, strStatusLine);
        return true;
    }
    // A strip that is ending lets the lock go within moments; where no strip of this program
    // holds it, there is nothing to wait for. This run goes on either way: better two strips
    // than none. Only /status has nothing to go on with.
    if (running == CStripHost::RunningStrip::Ending && action != StripAction::Status)
        lock.WaitUntilFirst(10000);
    return false;
}

BOOL CTimerApp::EndWithLine(int nExitCode, DWORD nStdHandle, std::string_view line)
{
    WriteStandardLine(nStdHandle, line);
    m_nExitCode = nExitCode;
    return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // No static object of the program loads a DLL, so this comes before every load.
    LoadSystemLibrariesOnly();
    return theApp.Run();
}
