// The strip's size in its two forms and the place it starts at.
#pragma once

#include <cstdint>
#include <string_view>

#include "geometry.h"

// The narrow strip, with the stopwatch switched off, ends just after the exit button.
inline constexpr double kCompactWidthFactor = 0.74;

enum class WindowForm { Compact, Expanded };

namespace WindowLayout {
FormExtent FormSize(int32_t nWidth0, int32_t nHeight0, int32_t bStopwatch, WindowForm form);
// The place the strip starts at, from section POS as read with the start-up place as its
// defaults: the start-up place itself while the section names no other place, otherwise
// the saved corner with `size`, the compact form's size at the current DPI. A saved width and
// height are never taken, since they may be stale, another DPI's, or hand-edited to nothing.
WindowPos StartPlacement(const WindowPos& saved, const WindowPos& initial, FormExtent size);
// The place moved by the least distance to lie wholly inside `bounds`; a place larger than
// `bounds` keeps to their left or top edge.
WindowPos MoveInside(const WindowPos& place, const ScreenRect& bounds);
// A saved place on the monitor it lies most on: one wholly on the monitor stays exactly where it
// is, any other moves by the least distance wholly into the monitor's work area, clear of the
// taskbar.
WindowPos MoveOntoMonitor(const WindowPos& place, const ScreenRect& monitor, const ScreenRect& work);
// The average character width of a dialog font as the dialog manager takes it: from the width
// of the 52 letters "A" to "Z" and "a" to "z" in one line, rounded to the nearest whole pixel.
int32_t DialogBaseWidth(int32_t nLettersWidth);
// The window of a template `units` dialog units large, laid out with the dialog font's base
// units (its average character width and height) and given the frame that AdjustWindowRectEx
// puts around an empty rectangle: a quarter of the base width and an eighth of the base height
// per unit, each rounded half away from zero as MulDiv does.
FormExtent DialogWindowSize(FormExtent units, FormExtent baseUnits, const ScreenRect& frame);

// The shell's taskbars, on the main monitor and on the others: clicked, they lift themselves above
// every topmost window.
inline constexpr const char* kShellTaskbarClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd"};
bool IsShellTaskbarClass(std::string_view className);
// The desktop's and the shell's own windows, the taskbars, the switcher and the panels of
// emoji, clipboard and input among them: none of them is a full-screen program, whatever its size.
bool IsShellWindowClass(std::string_view className);
// Windows 11's host of Task View, the Alt+Tab switcher and the snap layouts.
bool IsTaskSwitcherClass(std::string_view className);

// The DPIs Windows can give a window, 50 % to 1000 %: a DPI outside them, from a message any
// program may send or from a query, is none the strip takes, so that nothing it makes grows
// without bound from a number it is given.
inline constexpr int32_t kMinDpi = 48;
inline constexpr int32_t kMaxDpi = 960;
constexpr bool IsUsableDpi(int32_t nDpi)
{
    return nDpi >= kMinDpi && nDpi <= kMaxDpi;
}

// The icon sizes drawn into the program's icons, smallest first.
inline constexpr int32_t kDrawnIconSizes[] = {32, 40, 48, 64, 96};
// A button's picture at a DPI: 32 pixels at 96 DPI, in proportion elsewhere.
int32_t ButtonIconSize(int32_t nDpi);
// The drawn image a picture of `nPixels` is made from: that size where it is drawn, else the next
// larger one, scaled down; beyond the largest, the largest.
int32_t DrawnIconSize(int32_t nPixels);
}  // namespace WindowLayout
