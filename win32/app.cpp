// CWinApp: the one application object, and the program's start through InitInstance.
#include "app.h"

#include "common_controls.h"

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp::CWinApp()
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

void CWinApp::Enable3dControls()
{
    // Only the progress bar's class: the classic common controls that the program asks for refuse
    // a call that names classes only version 6 knows.
    CommonControls::InitClasses(ICC_PROGRESS_CLASS);
}

int CWinApp::Run()
{
    if (!InitInstance())
        return m_nExitCode;
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
