// The visual style's drawing of a control's parts, from uxtheme.dll: no known DLL, so looked up
// at run time, and missing where Windows draws in its classic look.
#pragma once

#include <windows.h>
#include <uxtheme.h>

#include "gdi.h"

struct ThemeTraits {
    static void Free(HTHEME hTheme);
};
using CThemeData = UniqueHandle<HTHEME, ThemeTraits>;

// The style's data for the window's class list, or none where themes are off, for the system or
// for the program, or uxtheme.dll cannot be found.
CThemeData OpenVisualStyle(HWND hWnd, const wchar_t* classList);
// Draws the part in the state over the rectangle; false where nothing was drawn.
bool DrawVisualStyleBackground(const CThemeData& theme, HDC hDC, int nPart, int nState, const RECT& rect);
