// CTimerApp: the application object; the program lives as long as the strip.
#pragma once

#include <string>
#include <string_view>

#include "core/strip_command.h"
#include "win32/app.h"

class CInstanceLock;

class CTimerApp : public CWinApp {
public:
    BOOL InitInstance() override;

private:
    // Another run holds the lock: true where its strip took the action, and this run ends.
    bool HandOnToRunningStrip(CInstanceLock& lock, const std::wstring& instanceName, StripAction action);
    // Ends the program at once with the exit code, after the line on the standard output or error.
    BOOL EndWithLine(int nExitCode, DWORD nStdHandle, std::string_view line);
};
