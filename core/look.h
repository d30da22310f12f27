// The strip's three looks, light, dark and high contrast, chosen from Windows' own settings, and
// the colours each one draws the strip, its buttons and its bar in.
#pragma once

#include <cstdint>
#include <optional>

#include "status_display.h"

enum class Look { Light, Dark, HighContrast };

// High contrast wins over everything; the apps' mode is dark only where Windows stores 0 for
// "apps use the light theme": a missing value, or any other, means light.
Look LookFor(bool bHighContrast, std::optional<uint32_t> nAppsUseLightTheme);

// The colours of one kind of button, at rest, under the pointer and pressed. Colours are
// 0x00BBGGRR.
struct ButtonPalette {
    uint32_t crFace = 0;
    uint32_t crFaceHot = 0;
    uint32_t crFacePressed = 0;
    uint32_t crGlyph = 0;
    uint32_t crGlyphHot = 0;
    uint32_t crGlyphPressed = 0;
    uint32_t crFrame = 0;
    bool operator==(const ButtonPalette&) const = default;
};

// Everything of the strip but its bar: the background and the stopwatch's text, the buttons, and
// whether the buttons are drawn by the visual style (where themes are on; the classic frame in
// the button colours where they are off) and whether the spanner and the red cross keep their own
// colours instead of becoming glyphs in the buttons' glyph colour.
struct LookPalette {
    uint32_t crBackground = 0;
    uint32_t crText = 0;
    ButtonPalette buttons;
    bool bVisualStyle = false;
    bool bColouredPictures = false;
    bool operator==(const LookPalette&) const = default;
};

LookPalette PaletteFor(Look look, const SystemPalette& system);

// The bar in a phase's colour. Light and high contrast draw it as they always have; dark draws it
// on a dark empty part with light text, the phase's colour darkened where it must be so that the
// text over it keeps a contrast of at least kDarkTextContrast.
BarPalette BarPaletteFor(Look look, uint32_t crPhase, const SystemPalette& system);

// The palette of a blinking bar in the look.
BarPalette BlinkPaletteFor(Look look, const BarPalette& palette);

inline constexpr double kDarkTextContrast = 4.5;

// The contrast ratio of two colours by their relative luminance, from 1 (equal) to 21 (black and
// white), the same whichever comes first.
double ContrastRatio(uint32_t crA, uint32_t crB);
