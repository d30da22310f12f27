// CTimerApp: the application object; the program lives as long as the strip.
#include "timer_app.h"

#include "ui/timer_dlg.h"
#include "win32/lazy_import.h"

namespace {

CTimerApp theApp;

}  // namespace

BOOL CTimerApp::InitInstance()
{
    Enable3dControls();
    CTimerDlg dlg;
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
