// CAboutDlg: the about box, reached from the system menu. Its OK, Escape and close box are
// the dialog's own.
#include "about_dlg.h"

#include "apps_mode_caption.h"
#include "resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    FollowAppsModeCaption(m_hWnd);
    return TRUE;
}
