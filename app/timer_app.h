// CTimerApp: the application object; the program lives as long as the strip.
#pragma once

#include "win32/app.h"

class CTimerApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
