// CTimerDlg's look: light, dark or high contrast as Windows' own settings choose it, followed at
// once when they change. The colours are the core's; the strip hands them to its bar, its
// background and its frame.
#include "timer_dlg.h"

SystemPalette CTimerDlg::ReadSystemPalette()
{
    return SystemPalette{::GetSysColor(COLOR_HIGHLIGHT), ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                         ::GetSysColor(COLOR_WINDOW),    ::GetSysColor(COLOR_WINDOWTEXT),
                         ::GetSysColor(COLOR_BTNFACE),   ::GetSysColor(COLOR_BTNTEXT)};
}

void CTimerDlg::ApplyPalette()
{
    BarPalette palette = BarPaletteFor(m_look, BarColour(m_cycle), m_system);
    if (m_bInverted)
        palette = BlinkPaletteFor(m_look, palette);
    m_progress.SetBarColour(palette.crBar);
    m_progress.SetBkColour(palette.crEmpty);
    m_progress.SetTextBkColour(palette.crTextOverBar);
    m_progress.SetTextColour(palette.crTextOverEmpty);
}

void CTimerDlg::FollowSystemColours()
{
    m_progress.ReadSystemColours();
    m_system = ReadSystemPalette();
    m_look = LookFor(m_owner.Questions().pHighContrast(), m_owner.Questions().pAppsUseLightTheme());
    FollowLook();
    ApplyPalette();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The dark look paints the strip's face itself; the others leave it to the system's colours.
void CTimerDlg::FollowLook()
{
    const LookPalette palette = PaletteFor(m_look, m_system);
    m_buttons.UseLook(palette);
    m_hBackground.Reset(m_look == Look::Dark ? ::CreateSolidBrush(palette.crBackground) : nullptr);
    // The window manager is asked only where the caption turns dark or light again.
    const bool bDark = m_look == Look::Dark;
    if (bDark || m_bDarkCaption)
        m_owner.Questions().pDarkCaption(m_hWnd, bDark);
    m_bDarkCaption = bDark;
}

LRESULT CTimerDlg::OnCtlColor(WPARAM wParam, LPARAM)
{
    if (!m_hBackground)
        return Default();
    const LookPalette palette = PaletteFor(m_look, m_system);
    const auto hDC = reinterpret_cast<HDC>(wParam);
    ::SetTextColor(hDC, palette.crText);
    ::SetBkColor(hDC, palette.crBackground);
    return reinterpret_cast<LRESULT>(m_hBackground.Get());
}
