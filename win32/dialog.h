// CDialog: a modal dialog on a numbered template, and the binding of its controls by id.
#pragma once

#include "core/window_layout.h"
#include "window.h"

// Ends every dialog of this thread that hOwner owns, directly or through others, with nResult.
void EndDialogsOwnedBy(HWND hOwner, INT_PTR nResult);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParent = nullptr) : m_nIDTemplate(nIDTemplate), m_pParent(pParent) {}

    // Runs the dialog until EndDialog; returns its result, or -1 if it could not be created.
    INT_PTR DoModal();

protected:
    virtual BOOL OnInitDialog();
    // Binds the controls; called by OnInitDialog.
    virtual void DoDataExchange() {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }

    void EndDialog(INT_PTR nResult) const { ::EndDialog(m_hWnd, nResult); }
    // The size a fresh start at nDpi gives the window: its template laid out with the template's
    // font made for that DPI, in the frame of the window's styles less `removedStyles`; nothing
    // where the template cannot be read.
    FormExtent TemplateWindowSize(int nDpi, DWORD removedStyles = 0) const;
    // The DPI the dialog manager laid this dialog out at.
    int LayoutDpi() const;
    // Binds the control object to the template's control with this id.
    void DDX_Control(int nID, CWnd& control) const { control.BindControl(GetDlgItem(nID)); }

    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // A dialog's default processing is the dialog manager's, not the plain window's: the one that
    // rescales a dialog's font and controls when its DPI changes, among others.
    LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A dialog with a visible owner comes up centred over it.
    void CenterOverOwner() const;
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParent;
    // The message that the dialog procedure leaves to the dialog manager while it is handled.
    UINT m_nManagerMessage = 0;
};
