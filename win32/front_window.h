// What the window in front is, as the strip asks when it looks for a full-screen program.
#pragma once

#include <windows.h>

#include "core/workday.h"

// The foreground window seen from the strip hStrip: none where it is hidden, minimised, the
// desktop or a window of the strip's own (the strip, its owner and what they opened).
FrontWindow FrontWindowOf(HWND hStrip);
