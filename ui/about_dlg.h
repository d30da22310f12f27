// CAboutDlg: the about box, reached from the system menu.
#pragma once

#include "win32/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

protected:
    BOOL OnInitDialog() override;
};
