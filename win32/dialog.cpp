// CDialog: a modal dialog on a numbered template, and the binding of its controls by id.
#include "dialog.h"

#include <string_view>
#include <utility>

#include "app.h"
#include "dialog_template.h"
#include "monitor.h"
#include "window_dpi.h"

INT_PTR CDialog::DoModal()
{
    // Without a parent the dialog is owned by the main window, or else by the active window.
    HWND hOwner = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    const CWinApp* pApp = AfxGetApp();
    if (!hOwner && pApp && pApp->m_pMainWnd && pApp->m_pMainWnd != this)
        hOwner = pApp->m_pMainWnd->GetSafeHwnd();
    if (!hOwner && !(pApp && pApp->m_pMainWnd == this))
        hOwner = ::GetActiveWindow();
    // A Unicode dialog: the template's texts reach its windows as written, under any code page.
    const INT_PTR nResult = ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(m_nIDTemplate),
                                              hOwner, &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hWnd = nullptr;
    return nResult;
}

BOOL CDialog::OnInitDialog()
{
    DoDataExchange();
    return TRUE;
}

bool CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return false;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        break;
    case IDCANCEL:
        OnCancel();
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

LRESULT CDialog::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dialog manager asks the dialog procedure first; it must step aside this once.
    const UINT nOuter = std::exchange(m_nManagerMessage, message);
    const LRESULT result = ::DefDlgProcW(m_hWnd, message, wParam, lParam);
    m_nManagerMessage = nOuter;
    return result;
}

FormExtent CDialog::TemplateWindowSize(int nDpi, DWORD removedStyles) const
{
    const std::optional<DialogTemplateHeader> header = ReadDialogTemplate(::GetModuleHandleA(nullptr), m_nIDTemplate);
    if (!header || !WindowLayout::IsUsableDpi(nDpi))
        return {};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)) & ~removedStyles;
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    return WindowLayout::DialogWindowSize(header->units, DialogBaseUnits(*header, nDpi),
                                          WindowFrame(style, exStyle, nDpi));
}

int CDialog::LayoutDpi() const
{
    // The window's DPI, as on Windows, unless the dialog's font was made for another: a Wine may
    // lay a dialog out at the screen's DPI and name the monitor's for its window.
    const int nWindowDpi = WindowDpi(m_hWnd);
    const std::optional<DialogTemplateHeader> header = ReadDialogTemplate(::GetModuleHandleA(nullptr), m_nIDTemplate);
    const auto hFont = reinterpret_cast<HFONT>(::SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (!header || !hFont || !::GetObjectW(hFont, sizeof font, &font))
        return nWindowDpi;
    for (const int nDpi : {nWindowDpi, ScreenDpi()}) {
        if (font.lfHeight == -::MulDiv(header->nPointSize, nDpi, 72))
            return nDpi;
    }
    return nWindowDpi;
}

void CDialog::CenterOverOwner() const
{
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    // An owner that never shows is there only to own; nothing to centre over.
    if (!hOwner || !::IsWindowVisible(hOwner))
        return;
    RECT rcOwner{};
    ::GetWindowRect(hOwner, &rcOwner);
    const RECT rcDlg = GetWindowRect();
    const LONG cx = rcDlg.right - rcDlg.left;
    const LONG cy = rcDlg.bottom - rcDlg.top;
    // Over the middle of the owner, but whole on the owner's monitor: the strip is thin and
    // may stand at a screen edge.
    const WindowPos centred{(rcOwner.left + rcOwner.right) / 2 - cx / 2, (rcOwner.top + rcOwner.bottom) / 2 - cy / 2,
                            cx, cy};
    const WindowPos owner{rcOwner.left, rcOwner.top, rcOwner.right - rcOwner.left, rcOwner.bottom - rcOwner.top};
    const std::optional<MonitorAreas> areas = MonitorAreasUnder(owner, true);
    const WindowPos place = areas ? WindowLayout::MoveInside(centred, areas->work) : centred;
    ::SetWindowPos(m_hWnd, nullptr, place.m_nLeft, place.m_nTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hWnd, DWLP_USER));
    // Nothing may unwind through a dialog procedure.
    try {
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<CDialog*>(lParam);
            ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
            self->m_hWnd = hWnd;
            const BOOL bDefaultFocus = self->OnInitDialog();
            self->CenterOverOwner();
            return bDefaultFocus;
        }
        if (!self || self->m_hWnd != hWnd || message == self->m_nManagerMessage)
            return FALSE;
        LRESULT result = 0;
        if (!self->RouteMessage(message, wParam, lParam, result))
            return FALSE;
        // A few messages are answered by the dialog procedure's own return value.
        if (message == WM_QUERYDRAGICON || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
            return static_cast<INT_PTR>(result);
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

void EndDialogsOwnedBy(HWND hOwner, INT_PTR nResult)
{
    struct Ending {
        HWND hOwner;
        INT_PTR nResult;
    } ending{hOwner, nResult};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            const auto& e = *reinterpret_cast<const Ending*>(lParam);
            char className[8] = {};
            ::GetClassNameA(hWnd, className, sizeof className);
            bool bOwned = false;
            for (HWND hOwner = ::GetWindow(hWnd, GW_OWNER); hOwner; hOwner = ::GetWindow(hOwner, GW_OWNER))
                bOwned = bOwned || hOwner == e.hOwner;
            if (bOwned && std::string_view(className) == "#32770")
                ::EndDialog(hWnd, e.nResult);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&ending));
}
