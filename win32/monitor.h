// The monitor a place lies most on, and its rectangles.
#pragma once

#include <optional>

#include "core/window_layout.h"

// A monitor's whole rectangle and its work area, without the taskbar, in screen pixels.
struct MonitorAreas {
    ScreenRect monitor;
    ScreenRect work;
};

// Those of the monitor that most of the place lies on. For a place on no monitor, those of the
// nearest one where `bOrNearest` asks for them, else none. Computed without overflow for any place.
std::optional<MonitorAreas> MonitorAreasUnder(const WindowPos& place, bool bOrNearest = false);
