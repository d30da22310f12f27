// CTextProgressCtrl: its own range and position, and a paint that draws the bar and the text
// in two colours that meet exactly where the bar ends.
#include "controls/text_progress_ctrl.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <iterator>
#include <utility>

#include "controls/mem_dc.h"
#include "core/text_buffer.h"
#include "core/window_layout.h"
#include "win32/window_dpi.h"

namespace {

// The distance between two 32-bit values needs 33 bits; taken in 64, it never overflows, and
// a double holds it exactly.
double Difference(int nMinuend, int nSubtrahend)
{
    return static_cast<double>(static_cast<std::int64_t>(nMinuend) - nSubtrahend);
}

// Truncates toward zero; a position far outside the range gives a value beyond any int,
// which is held at the int's limits, still well past either end of the bar.
int Truncate(double value)
{
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

// Whether the system draws a font from bitmaps of a few fixed sizes rather than from outlines.
bool IsRasterFont(HFONT hFont)
{
    const CClientDC screen(nullptr);
    const CSelectObject select(screen.GetSafeHdc(), hFont);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.GetSafeHdc(), &metrics);
    return !(metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE));
}

}  // namespace

CTextProgressCtrl::CTextProgressCtrl()
{
    ReadSystemColours();
}

void CTextProgressCtrl::ReadSystemColours()
{
    m_crBarClr = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crBgClr = ::GetSysColor(COLOR_WINDOW);
    m_crTextClr = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crTextBkClr = ::GetSysColor(COLOR_WINDOW);
}

void CTextProgressCtrl::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
}

int CTextProgressCtrl::SetPos(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return -1;
    const int nOldPos = std::exchange(m_nPos, nPos);
    const int nWidth = BarWidth(GetClientRect().right);
    if (nWidth != m_nBarWidth) {
        m_nBarWidth = nWidth;
        // The new bar stands on the screen before the caller goes on.
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    return nOldPos;
}

void CTextProgressCtrl::SetDpi(int nDpi)
{
    if (!WindowLayout::IsUsableDpi(nDpi))
        return;
    LOGFONTW font{};
    ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof font, &font);
    font.lfHeight = ::MulDiv(font.lfHeight, nDpi, ScreenDpi());
    m_font.Reset(::CreateFontIndirectW(&font));
    // The system font may be a raster font, drawn at its one height only: at another DPI its
    // text would keep the screen's size. A TrueType face of the height asked takes its place
    // there; at the screen's own DPI the system font stays.
    if (nDpi != ScreenDpi() && IsRasterFont(m_font.Get())) {
        font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
        font.lfFaceName[0] = L'\0';
        m_font.Reset(::CreateFontIndirectW(&font));
    }
    if (m_hWnd)
        InvalidateRect(nullptr, TRUE);
}

// The stock progress control is a Unicode window, and the subclass chain hands its messages on
// as they come to it: the text arrives, is kept and drawn, and leaves in UTF-16, the same
// under every code page.
LRESULT CTextProgressCtrl::OnSetText(const wchar_t* text)
{
    // The system keeps its own copy of the text, which answers WM_GETTEXTLENGTH.
    const LRESULT result = Default();
    if (!text)
        text = L"";
    if (m_strText != text) {
        m_strText = text;
        // Shown at the next paint from the event loop, not at once.
        InvalidateRect(nullptr, TRUE);
    }
    return result;
}

std::size_t CTextProgressCtrl::OnGetText(std::size_t nSize, wchar_t* buffer) const
{
    if (nSize == 0 || !buffer)
        return 0;
    const std::size_t nCopied = m_strText.copy(buffer, std::min<std::size_t>(nSize - 1, INT_MAX));
    buffer[nCopied] = L'\0';
    return nCopied;
}

HFONT CTextProgressCtrl::OnGetFont() const
{
    return m_font.Get();
}

bool CTextProgressCtrl::OnEraseBkgnd() const
{
    // The paint covers every pixel; erasing first would only make the bar flicker.
    return true;
}

void CTextProgressCtrl::OnSize()
{
    Default();
    // A new client width gives a new bar, so the next SetPos repaints whatever it computes.
    m_nBarWidth = -1;
}

void CTextProgressCtrl::OnClick()
{
    const int nId = ::GetDlgCtrlID(m_hWnd);
    ::SendMessageW(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(nId, BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
    Default();
}

void CTextProgressCtrl::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const RECT rcClient = GetClientRect();
    const int nClientWidth = rcClient.right - rcClient.left;
    // The bar's end, held inside the control: beyond either edge the picture is the same.
    const int x = rcClient.left + std::clamp(BarWidth(nClientWidth), 0, nClientWidth);
    CMemDC memDC(dc, m_paintBuffer);
    const CSelectObject font = m_font ? CSelectObject(memDC.GetSafeHdc(), m_font.Get()) : CSelectObject();
    const RECT rcFilled{rcClient.left, rcClient.top, x, rcClient.bottom};
    const RECT rcEmpty{x, rcClient.top, rcClient.right, rcClient.bottom};
    memDC.FillSolidRect(rcFilled, m_crBarClr);
    memDC.FillSolidRect(rcEmpty, m_crBgClr);
    DrawSplitText(memDC, rcClient, rcFilled, rcEmpty);
}

void CTextProgressCtrl::DrawSplitText(CMemDC& dc, const RECT& rcClient, const RECT& rcFilled,
                                      const RECT& rcEmpty) const
{
    TextBuffer<16> percent;
    wchar_t widePercent[16] = {};
    const wchar_t* text = m_strText.c_str();
    if (m_strText.empty()) {
        percent.AppendNumber(Truncate(Fraction() * 100.0)).Append("%");
        std::copy(std::begin(percent.m_sz), std::end(percent.m_sz), widePercent);
        text = widePercent;
    }
    dc.SetBkMode(TRANSPARENT);
    // The whole text is laid out twice at the same place; each pass may only touch its own
    // side of the bar's end, so one character can show both colours.
    struct Pass {
        const RECT& rcPart;
        COLORREF crText;
    };
    const Pass passes[] = {{rcFilled, m_crTextBkClr}, {rcEmpty, m_crTextClr}};
    for (const Pass& pass : passes) {
        const CRgn clip = dc.ClipRegion(pass.rcPart);
        dc.SelectClipRgn(clip.Get());
        dc.SetTextColor(pass.crText);
        dc.DrawText(text, rcClient, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    // Drawing straight onto a printer, the caller's context must not stay clipped to the bar.
    dc.SelectClipRgn(nullptr);
}

void CTextProgressCtrl::SpeakThrough(CAnnouncer& announcer)
{
    m_pAnnouncer = &announcer;
    announcer.Attach(m_hWnd);
}

LRESULT CTextProgressCtrl::OnGetObject(WPARAM, LPARAM)
{
    if (m_pAnnouncer)
        m_pAnnouncer->NameBar();
    return Default();
}

void CTextProgressCtrl::OnDestroy()
{
    if (m_pAnnouncer)
        m_pAnnouncer->Detach();
    Default();
}

// The bar answers as a progress control does, from its own range, position and colours; a
// colour sent to it shows at the next repaint, as one set by its caller does.
LRESULT CTextProgressCtrl::OnGetPos(WPARAM, LPARAM)
{
    return m_nPos;
}

// One bound as the answer, the lower one for a nonzero wParam; both into the record, if given.
LRESULT CTextProgressCtrl::OnGetRange(WPARAM bLower, LPARAM lParam)
{
    if (auto* range = reinterpret_cast<PBRANGE*>(lParam))
        *range = PBRANGE{m_nLower, m_nUpper};
    return bLower ? m_nLower : m_nUpper;
}

LRESULT CTextProgressCtrl::OnSetBarColour(WPARAM, LPARAM lParam)
{
    return std::exchange(m_crBarClr, static_cast<COLORREF>(lParam));
}

LRESULT CTextProgressCtrl::OnGetBarColour(WPARAM, LPARAM)
{
    return m_crBarClr;
}

LRESULT CTextProgressCtrl::OnSetBkColour(WPARAM, LPARAM lParam)
{
    return std::exchange(m_crBgClr, static_cast<COLORREF>(lParam));
}

LRESULT CTextProgressCtrl::OnGetBkColour(WPARAM, LPARAM)
{
    return m_crBgClr;
}

LRESULT CTextProgressCtrl::OnSetTextColour(WPARAM bOverFilled, LPARAM lParam)
{
    return std::exchange(TextColour(bOverFilled), static_cast<COLORREF>(lParam));
}

LRESULT CTextProgressCtrl::OnGetTextColour(WPARAM bOverFilled, LPARAM)
{
    return TextColour(bOverFilled);
}

double CTextProgressCtrl::Fraction() const
{
    // A range without room (a phase of no minutes) stands at its start, whatever the position:
    // the bar shows empty with the current text, never the picture of an earlier phase.
    if (m_nLower >= m_nUpper)
        return 0.0;
    return Difference(m_nPos, m_nLower) / Difference(m_nUpper, m_nLower);
}

int CTextProgressCtrl::BarWidth(int nClientWidth) const
{
    return Truncate(nClientWidth * Fraction());
}
