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
