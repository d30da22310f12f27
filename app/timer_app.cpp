// CTimerApp: the application object; the program lives as long as the strip.
#include "timer_app.h"

#include "core/settings.h"
#include "ui/strip_host.h"
#include "ui/timer_dlg.h"
#include "win32/instance_lock.h"
#include "win32/instance_name.h"
#include "win32/lazy_import.h"
#include "win32/profile_file.h"
#include "win32/wide_text.h"

namespace {

CTimerApp theApp;

}  // namespace

BOOL CTimerApp::InitInstance()
{
    // The program's settings file is chosen here, once, and handed to the strip, which hands it
    // to its settings dialog.
    const ProgramSettingsFile settingsFile = ProgramSettingsFile::Choose();
    // One strip runs per settings file, however its path is spelled: a second start brings the
    // running one into view and ends without a window, writing nothing. A run without a file to
    // read is one per executable, so that two copies in different folders without settings do
    // not meet as one.
    const std::wstring& settingsPath = settingsFile.GetPath();
    const std::wstring instanceName = InstanceNameOf(settingsPath.empty() ? ExecutablePath() : settingsPath);
    CInstanceLock lock(instanceName);
    if (!lock.IsFirst()) {
        const CStripHost::RunningStrip running = CStripHost::BringRunningStripIntoView(instanceName);
        if (running == CStripHost::RunningStrip::Shown)
            return FALSE;
        // A strip that is ending lets the lock go within moments; where no strip of this program
        // holds it, there is nothing to wait for. This run goes on either way: better two strips
        // than none.
        if (running == CStripHost::RunningStrip::Ending)
            lock.WaitUntilFirst(10000);
    }
    Enable3dControls();
    CTimerDlg dlg(settingsFile, instanceName);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop of our own; the program ends with the strip.
    return FALSE;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    // No static object of the program loads a DLL, so this comes before every load.
    LoadSystemLibrariesOnly();
    return theApp.Run();
}
