// CAboutDlg: the about box, reached from the system menu. Its OK, Escape and close box are
// the dialog's own.
#include "about_dlg.h"

#include "resource.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX)
{
}
