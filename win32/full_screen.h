// Whether Windows reports a program in presentation mode, in Direct3D full screen or busy in full
// screen, and whether a window covers a whole monitor.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include "lazy_import.h"

namespace FullScreen {

// The shell's report, looked up at its first use; Vista's shell has it, a stub that always
// accepts notifications never reports anything.
LazyImport<decltype(::SHQueryUserNotificationState)>& Lookup();

bool IsReported();

// The rectangles of the window and of the monitor that hLies lies most on.
bool CoversMonitorOf(HWND hWnd, HWND hLies);

}  // namespace FullScreen
