// What the progress bar shows of the cycle: the status text and the colour of the bar.
#include "status_display.h"

#include "unit_cycle.h"

StatusString StatusText(const UnitCycle& cycle)
{
    StatusString text;
    // Only the seconds get a leading zero, and only below 10.
    text.AppendNumber(cycle.m_nMinutes).Append(cycle.m_nSeconds > 9 ? ":" : ":0").AppendNumber(cycle.m_nSeconds);
    if (cycle.m_bPause == 1)
        text.Append(" --- PAUSE");
    else
        text.Append(" --- Einheit ").AppendNumber(cycle.m_nUnit);
    return text;
}

uint32_t BarColour(const UnitCycle& cycle)
{
    // A phase without length is over before it starts.
    if (cycle.m_nTotal <= 0)
        return kBarRed;
    const double share = static_cast<double>(cycle.m_nElapsed) / cycle.m_nTotal * 255.0;
    // The last second of a short phase begun by a tick lies past the end: it is over, so red.
    if (share >= 256.0)
        return kBarRed;
    if (share <= 0.0)
        return kBarGreen;
    const auto a = static_cast<uint32_t>(share);
    return a + 256 * (255 - a);
}

BarPalette StripPalette(uint32_t crPhase, bool bHighContrast, const SystemPalette& system)
{
    if (bHighContrast)
        return BarPalette{system.crHighlight, system.crWindow, system.crHighlightText, system.crWindowText};
    return BarPalette{crPhase, system.crWindow, system.crWindow, kTextBlue};
}

BarPalette BlinkPalette(const BarPalette& palette, bool bHighContrast)
{
    if (bHighContrast)
        return BarPalette{palette.crEmpty, palette.crBar, palette.crTextOverEmpty, palette.crTextOverBar};
    constexpr uint32_t kWhite = 0x00FFFFFF;
    return BarPalette{palette.crBar ^ kWhite, palette.crEmpty ^ kWhite, palette.crTextOverBar ^ kWhite,
                      palette.crTextOverEmpty ^ kWhite};
}
