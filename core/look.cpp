#include "look.h"

#include <algorithm>
#include <cmath>

namespace {

// Dark as Windows' own dark windows are: the background, the bar's empty part a shade lighter so
// that the bar's track shows, the buttons a shade lighter again, lighter still under the pointer
// and darker while pressed, and a frame that marks a button off the background its face hardly
// differs from. Text and glyphs are white, which stays readable on all of them.
constexpr uint32_t kDarkBackground = 0x00202020;
constexpr uint32_t kDarkEmpty = 0x002B2B2B;
constexpr uint32_t kDarkFace = 0x002D2D2D;
constexpr uint32_t kDarkFaceHot = 0x00383838;
constexpr uint32_t kDarkFacePressed = 0x00262626;
constexpr uint32_t kDarkFrame = 0x00454545;
constexpr uint32_t kDarkText = 0x00FFFFFF;

double LinearChannel(uint32_t nChannel)
{
    const double c = static_cast<double>(nChannel & 0xFF) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(uint32_t cr)
{
    return 0.2126 * LinearChannel(cr) + 0.7152 * LinearChannel(cr >> 8) + 0.0722 * LinearChannel(cr >> 16);
}

// Every channel times nShare / 255, truncated.
uint32_t Scaled(uint32_t cr, uint32_t nShare)
{
    uint32_t crScaled = 0;
    for (uint32_t nShift : {0u, 8u, 16u})
        crScaled |= (((cr >> nShift) & 0xFF) * nShare / 255) << nShift;
    return crScaled;
}

// The colour itself where the light text over it is readable enough, else the lightest of its
// darker shades that is. Darker shades only ever lose luminance, so the search may halve; black
// is readable under any light text.
uint32_t DarkenedUnder(uint32_t crColour, uint32_t crText)
{
    if (ContrastRatio(crColour, crText) >= kDarkTextContrast)
        return crColour;
    uint32_t nReadable = 0;
    uint32_t nTooLight = 255;
    while (nTooLight - nReadable > 1) {
        const uint32_t nShare = (nReadable + nTooLight) / 2;
        if (ContrastRatio(Scaled(crColour, nShare), crText) >= kDarkTextContrast)
            nReadable = nShare;
        else
            nTooLight = nShare;
    }
    return Scaled(crColour, nReadable);
}

}  // namespace

Look LookFor(bool bHighContrast, std::optional<uint32_t> nAppsUseLightTheme)
{
    if (bHighContrast)
        return Look::HighContrast;
    return nAppsUseLightTheme == 0u ? Look::Dark : Look::Light;
}

LookPalette PaletteFor(Look look, const SystemPalette& system)
{
    switch (look) {
    case Look::Dark:
        return LookPalette{kDarkBackground, kDarkText,
                           ButtonPalette{kDarkFace, kDarkFaceHot, kDarkFacePressed, kDarkText, kDarkText,
                                         kDarkText, kDarkFrame},
                           false, true};
    case Look::HighContrast:
        // The system's pairs only: the button's text on its face, the highlight's text on the
        // highlight under the pointer and pressed.
        return LookPalette{system.crButtonFace, system.crButtonText,
                           ButtonPalette{system.crButtonFace, system.crHighlight, system.crHighlight,
                                         system.crButtonText, system.crHighlightText, system.crHighlightText,
                                         system.crButtonText},
                           false, false};
    case Look::Light:
        break;
    }
    // The stopwatch's text in the colour a dialog gives static text unless told otherwise.
    return LookPalette{system.crButtonFace, system.crWindowText,
                       ButtonPalette{system.crButtonFace, system.crButtonFace, system.crButtonFace,
                                     system.crButtonText, system.crButtonText, system.crButtonText,
                                     system.crButtonText},
                       true, true};
}

BarPalette BarPaletteFor(Look look, uint32_t crPhase, const SystemPalette& system)
{
    if (look == Look::Dark)
        return BarPalette{DarkenedUnder(crPhase, kDarkText), kDarkEmpty, kDarkText, kDarkText};
    return StripPalette(crPhase, look == Look::HighContrast, system);
}

BarPalette BlinkPaletteFor(Look look, const BarPalette& palette)
{
    // Inverted, the dark bar's white text turns black over colours that all turn light.
    return BlinkPalette(palette, look == Look::HighContrast);
}

double ContrastRatio(uint32_t crA, uint32_t crB)
{
    const double a = RelativeLuminance(crA);
    const double b = RelativeLuminance(crB);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
