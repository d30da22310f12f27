// What the progress bar shows of the cycle: the status text and the colour of the bar.
#pragma once

#include <cstdint>

#include "text_buffer.h"

struct UnitCycle;

using StatusString = TextBuffer<64>;

// Colours are 0x00BBGGRR.
inline constexpr uint32_t kBarGreen = 0x0000FF00;
inline constexpr uint32_t kBarRed = 0x000000FF;

StatusString StatusText(const UnitCycle& cycle);
uint32_t BarColour(const UnitCycle& cycle);

// The colours the strip draws its bar in: the filled and the empty part, and the text over each.
struct BarPalette {
    uint32_t crBar = 0;
    uint32_t crEmpty = 0;
    uint32_t crTextOverBar = 0;
    uint32_t crTextOverEmpty = 0;
    bool operator==(const BarPalette&) const = default;
};

// The system's colours that the strip may draw in.
struct SystemPalette {
    uint32_t crHighlight = 0;
    uint32_t crHighlightText = 0;
    uint32_t crWindow = 0;
    uint32_t crWindowText = 0;
    uint32_t crButtonFace = 0;
    uint32_t crButtonText = 0;
};

// The text over the empty part of the bar, with high contrast off.
inline constexpr uint32_t kTextBlue = 0x00FF0000;

// With high contrast off, the bar in the phase's colour on the window colour with the text blue
// over the empty part and in the window colour over the fill; with high contrast on, only the
// system's colours: the fill highlighted, the text over it in the highlight's text colour.
BarPalette StripPalette(uint32_t crPhase, bool bHighContrast, const SystemPalette& system);

// The palette of a blinking bar: every colour inverted; with high contrast on, the fill's and the
// empty part's colours exchanged, so that it stays in the system's colours.
BarPalette BlinkPalette(const BarPalette& palette, bool bHighContrast);
