#include "controls/icon_button.h"

#include <vsstyle.h>

#include "win32/icon_image.h"

namespace {

// The focus rectangle's distance from the button's edge, inside the face's frame.
constexpr int kFocusInset = 3;

}  // namespace

void CIconButton::Show(const IconPicture& picture, int nPixels)
{
    HINSTANCE hInstance = ::GetModuleHandleW(nullptr);
    m_hIcon.Reset(LoadIconImage(hInstance, picture.nIconID, nPixels));
    m_hGlyph.Reset(picture.nGlyphID != picture.nIconID ? LoadIconImage(hInstance, picture.nGlyphID, nPixels) : nullptr);
    m_bColoured = picture.bColoured;
    m_nPixels = nPixels;
    Repaint();
}

void CIconButton::UseLook(const LookPalette& look)
{
    m_look = look;
    Repaint();
}

bool CIconButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (item.CtlType != ODT_BUTTON || item.hwndItem != m_hWnd)
        return false;
    const CDC dc(item.hDC);
    const ButtonPalette& colours = m_look.buttons;
    const bool bPressed = (item.itemState & ODS_SELECTED) != 0;
    const int nSunk = DrawFace(dc, item.rcItem, bPressed) ? 1 : 0;
    const RECT& rc = item.rcItem;
    const int x = rc.left + (rc.right - rc.left - m_nPixels) / 2 + nSunk;
    const int y = rc.top + (rc.bottom - rc.top - m_nPixels) / 2 + nSunk;
    if (m_hIcon && m_bColoured && m_look.bColouredPictures)
        ::DrawIconEx(item.hDC, x, y, m_hIcon.Get(), m_nPixels, m_nPixels, 0, nullptr, DI_NORMAL);
    else if (m_hIcon)
        DrawGlyph(dc, x, y, bPressed ? colours.crGlyphPressed : m_bHot ? colours.crGlyphHot : colours.crGlyph);
    if (ShowsFocus(item.itemState)) {
        RECT rcFocus = rc;
        ::InflateRect(&rcFocus, -kFocusInset, -kFocusInset);
        ::DrawFocusRect(item.hDC, &rcFocus);
    }
    return true;
}

// The pointer's arrival lights the button; Windows reports its leaving only once asked to.
void CIconButton::OnMouseMove()
{
    if (!m_bHot) {
        m_bHot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&track);
        Repaint();
    }
    Default();
}

void CIconButton::OnMouseLeave()
{
    m_bHot = false;
    Repaint();
    Default();
}

void CIconButton::OnThemeChanged()
{
    m_hTheme.Reset();
    m_bThemeOpened = false;
    Repaint();
    Default();
}

// Answered as a push button's, so that the dialog manager makes the focused button its default
// one and Enter presses it; of an owner-drawn button, Enter would press the dialog's default.
UINT CIconButton::OnGetDlgCode()
{
    const auto nCode = static_cast<UINT>(Default()) & ~static_cast<UINT>(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
    return nCode | DLGC_BUTTON | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The dialog manager marks its default button by the style; the button keeps drawing itself and
// shows the mark in its face.
LRESULT CIconButton::OnSetStyle(WPARAM wParam, LPARAM lParam)
{
    m_bDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return DefaultProcessing(BM_SETSTYLE, (wParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW, lParam);
}

LRESULT CIconButton::OnGetImage(WPARAM nType, LPARAM)
{
    return nType == IMAGE_ICON ? reinterpret_cast<LRESULT>(m_hIcon.Get()) : 0;
}

bool CIconButton::DrawFace(const CDC& dc, const RECT& rect, bool bPressed)
{
    const ButtonPalette& colours = m_look.buttons;
    if (!m_look.bVisualStyle) {
        RECT rcFace = rect;
        ::InflateRect(&rcFace, -1, -1);
        dc.FillSolidRect(rect, colours.crFrame);
        dc.FillSolidRect(rcFace, bPressed ? colours.crFacePressed : m_bHot ? colours.crFaceHot : colours.crFace);
        return false;
    }
    // What shows beside the style's round corners is the face colour of the strip around it.
    dc.FillSolidRect(rect, colours.crFace);
    const int nState = bPressed ? PBS_PRESSED : m_bHot ? PBS_HOT : m_bDefault ? PBS_DEFAULTED : PBS_NORMAL;
    if (DrawVisualStyleBackground(Theme(), dc.GetSafeHdc(), BP_PUSHBUTTON, nState, rect))
        return false;
    RECT rcFrame = rect;
    ::DrawFrameControl(dc.GetSafeHdc(), &rcFrame, DFC_BUTTON,
                       DFCS_BUTTONPUSH | (bPressed ? DFCS_PUSHED : 0) | (m_bHot ? DFCS_HOT : 0));
    return bPressed;
}

// The glyph is the icon's transparency mask, made anew at each paint: nothing is kept between
// pictures or looks.
void CIconButton::DrawGlyph(const CDC& dc, int x, int y, COLORREF crGlyph) const
{
    const CMemoryDC maskDC(::CreateCompatibleDC(dc.GetSafeHdc()));
    const CBitmap mask(::CreateBitmap(m_nPixels, m_nPixels, 1, 1, nullptr));
    if (!maskDC || !mask)
        return;
    const CSelectObject selectMask(maskDC.Get(), mask.Get());
    // White first: some systems draw the mask by AND rather than copy it.
    ::PatBlt(maskDC.Get(), 0, 0, m_nPixels, m_nPixels, WHITENESS);
    ::DrawIconEx(maskDC.Get(), 0, 0, m_hGlyph ? m_hGlyph.Get() : m_hIcon.Get(), m_nPixels, m_nPixels, 0, nullptr,
                 DI_MASK);
    // A one-bit source takes the target's text colour for its clear bits, its background colour
    // for the set ones: the glyph turns black, then takes its colour, and the face around it stays.
    const CDC source(maskDC.Get());
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetBkColor(RGB(255, 255, 255));
    dc.BitBlt(x, y, m_nPixels, m_nPixels, source, 0, 0, SRCAND);
    dc.SetTextColor(crGlyph);
    dc.SetBkColor(RGB(0, 0, 0));
    dc.BitBlt(x, y, m_nPixels, m_nPixels, source, 0, 0, SRCPAINT);
}

bool CIconButton::ShowsFocus(UINT nState) const
{
    // Windows hides the focus until the keyboard is used; not every system says so in the state.
    return (nState & ODS_FOCUS) && !(nState & ODS_NOFOCUSRECT) && !(SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS);
}

const CThemeData& CIconButton::Theme()
{
    if (!m_bThemeOpened) {
        m_bThemeOpened = true;
        m_hTheme = OpenVisualStyle(m_hWnd, L"BUTTON");
    }
    return m_hTheme;
}
