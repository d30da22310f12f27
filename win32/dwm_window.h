// How the desktop window manager draws a window's frame: a dark caption, small round corners.
#pragma once

#include <windows.h>

// Each answers whether the window manager took the request: false where dwmapi or its call is
// missing, as before Vista, or where it refuses the attribute, as a Windows older than the
// attribute does. The window then keeps the frame it had, which is all that is lost.

// The caption and frame dark or light, following the apps' mode.
bool UseDarkCaption(HWND hWnd, bool bDark);

// Small round corners, as Windows 11 gives menus and tool windows.
bool UseSmallRoundCorners(HWND hWnd);
