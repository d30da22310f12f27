// CWinApp: the one application object, and the program's start through InitInstance.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    virtual ~CWinApp();

    // Returns FALSE to end the program at once instead of running a message loop.
    virtual BOOL InitInstance() { return FALSE; }
    // Makes the common controls, the progress bar among them, available to dialog templates.
    void Enable3dControls();
    // Runs the program: InitInstance, then a message loop only if it returned TRUE; the program's
    // exit code.
    int Run();

    CWnd* m_pMainWnd = nullptr;
    // What a program that ends without a message loop ends with.
    int m_nExitCode = 0;
};

CWinApp* AfxGetApp();
