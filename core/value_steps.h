// The settings dialog's plus and minus steps and the text of its number displays.
#pragma once

#include <cstdint>

#include "text_buffer.h"

using NumberString = TextBuffer<16>;

// The bound is applied after the step: a value beyond it stays there until a step brings it in.
int32_t StepUp(int32_t nValue, int32_t nMaximum);
int32_t StepDown(int32_t nValue);
// Right-aligned in two characters: " 5", "25", "-5", "100".
NumberString NumberText(int32_t nValue);
