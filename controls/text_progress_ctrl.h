// CTextProgressCtrl: a progress bar that paints its own bar and one line of text over it,
// the text changing colour exactly where the bar ends. A click of either button on it reaches
// its parent as a button's click does.
#pragma once

#include <string>

#include "controls/mem_dc.h"
#include "win32/announcer.h"
#include "win32/controls.h"
#include "win32/gdi.h"

class CTextProgressCtrl : public CMessageMapped<CTextProgressCtrl, CProgressCtrl> {
public:
    CTextProgressCtrl();

    // The colour of the text over the empty part (wParam FALSE) or over the filled one (TRUE),
    // which no progress message names: setting (lParam the colour) answers the colour before.
    static constexpr UINT kSetTextColour = WM_USER + 100;
    static constexpr UINT kGetTextColour = WM_USER + 101;

    // Its own range and position; nothing is sent to the stock control underneath.
    void SetRange(int nLower, int nUpper);
    // Repaints at once only when the filled width in whole pixels changes; returns the old
    // position, or -1 without a window.
    int SetPos(int nPos);
    void SetBarColour(COLORREF crBar) { m_crBarClr = crBar; }
    void SetTextColour(COLORREF crText) { m_crTextClr = crText; }
    // The empty part, and the text over the filled one.
    void SetBkColour(COLORREF crBk) { m_crBgClr = crBk; }
    void SetTextBkColour(COLORREF crTextBk) { m_crTextBkClr = crTextBk; }
    // Takes its colours from the system's colour table again, as at its construction; the
    // change shows at the next repaint.
    void ReadSystemColours();
    // Draws the text from now on in the system font's face and weight made for nDpi: the stock
    // font is made once, for the DPI the system had at sign-in. Without a DPI the text is drawn in
    // the drawing context's own font.
    void SetDpi(int nDpi);

    // The bar speaks to a screen reader through the announcer. It is named when a reader first
    // asks for it, so that nothing is loaded for a reader where none asks, and the name is taken
    // back while the bar is still there to go.
    void SpeakThrough(CAnnouncer& announcer);

    // Binding subclasses the stock control, so that its messages reach this class first.
    void BindControl(HWND hWnd) override { SubclassWindow(hWnd); }

private:
    LRESULT OnSetText(const wchar_t* text);
    std::size_t OnGetText(std::size_t nSize, wchar_t* buffer) const;
    HFONT OnGetFont() const;
    bool OnEraseBkgnd() const;
    void OnSize();
    void OnPaint();
    void OnClick();
    LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    void OnDestroy();
    LRESULT OnGetPos(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetRange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBarColour(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetBarColour(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetBkColour(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetBkColour(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetTextColour(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextColour(WPARAM wParam, LPARAM lParam);

    // The text over both parts, each pass clipped to its own part.
    void DrawSplitText(CMemDC& dc, const RECT& rcClient, const RECT& rcFilled, const RECT& rcEmpty) const;

    COLORREF& TextColour(WPARAM bOverFilled) { return bOverFilled ? m_crTextBkClr : m_crTextClr; }

    // The filled share of the range; 0 for a range without room.
    double Fraction() const;
    // The filled width in whole pixels of a client area this wide.
    int BarWidth(int nClientWidth) const;

    friend CMessageMapped;
    static constexpr MessageEntry<CTextProgressCtrl> kMessageMap[] = {
        OnSetTextMessage<&CTextProgressCtrl::OnSetText>(),
        OnGetTextMessage<&CTextProgressCtrl::OnGetText>(),
        OnPlainMessage<WM_GETFONT, &CTextProgressCtrl::OnGetFont>(),
        OnPlainMessage<WM_ERASEBKGND, &CTextProgressCtrl::OnEraseBkgnd>(),
        OnPlainMessage<WM_SIZE, &CTextProgressCtrl::OnSize>(),
        OnPlainMessage<WM_PAINT, &CTextProgressCtrl::OnPaint>(),
        OnPlainMessage<WM_LBUTTONDOWN, &CTextProgressCtrl::OnClick>(),
        OnPlainMessage<WM_RBUTTONDOWN, &CTextProgressCtrl::OnClick>(),
        OnMessage(WM_GETOBJECT, &CTextProgressCtrl::OnGetObject),
        OnPlainMessage<WM_DESTROY, &CTextProgressCtrl::OnDestroy>(),
        OnMessage(PBM_GETPOS, &CTextProgressCtrl::OnGetPos),
        OnMessage(PBM_GETRANGE, &CTextProgressCtrl::OnGetRange),
        OnMessage(PBM_SETBARCOLOR, &CTextProgressCtrl::OnSetBarColour),
        OnMessage(PBM_GETBARCOLOR, &CTextProgressCtrl::OnGetBarColour),
        OnMessage(PBM_SETBKCOLOR, &CTextProgressCtrl::OnSetBkColour),
        OnMessage(PBM_GETBKCOLOR, &CTextProgressCtrl::OnGetBkColour),
        OnMessage(kSetTextColour, &CTextProgressCtrl::OnSetTextColour),
        OnMessage(kGetTextColour, &CTextProgressCtrl::OnGetTextColour),
    };

    int m_nPos = 0;
    int m_nUpper = 100;
    int m_nLower = 0;
    std::wstring m_strText;
    int m_nBarWidth = -1;
    COLORREF m_crBarClr = 0;
    COLORREF m_crBgClr = 0;
    COLORREF m_crTextClr = 0;
    COLORREF m_crTextBkClr = 0;
    CFont m_font;
    CPaintBuffer m_paintBuffer;
    CAnnouncer* m_pAnnouncer = nullptr;
};
