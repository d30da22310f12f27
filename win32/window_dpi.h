// The DPI a window is shown at, and the frame a window has at a DPI.
#pragma once

#include <windows.h>

#include "core/geometry.h"

// The DPI of the screen: the one the system had at sign-in, that of every window where Windows
// knows no DPI per window.
int ScreenDpi();
// The DPI the window is shown at: its monitor's where Windows knows a DPI per window, else the
// screen's, as on systems before Windows 10 1607.
int WindowDpi(HWND hWnd);

// The frame around a window of these styles at nDpi, from an empty rectangle; the system's frame
// where Windows has no frames per DPI.
ScreenRect WindowFrame(DWORD style, DWORD exStyle, int nDpi);
