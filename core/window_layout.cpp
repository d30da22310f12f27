// The strip's size in its two forms and the place it starts at.
#include "window_layout.h"

#include <algorithm>
#include <iterator>

namespace {

int32_t ScaleLength(int32_t nLength, int32_t nDpiFrom, int32_t nDpiTo)
{
    // 64 bits hold the product of any two int32 values and half of any divisor on top.
    const int64_t product = int64_t{nLength} * nDpiTo;
    const int64_t half = nDpiFrom / 2;
    const int64_t scaled = (product < 0 ? product - half : product + half) / nDpiFrom;
    return static_cast<int32_t>(std::clamp<int64_t>(scaled, INT32_MIN, INT32_MAX));
}

}  // namespace

namespace WindowLayout {

FormExtent FormSize(int32_t nWidth0, int32_t nHeight0, int32_t bStopwatch, WindowForm form)
{
    FormExtent size;
    size.cx = bStopwatch == 1 ? nWidth0 : static_cast<int32_t>(nWidth0 * kCompactWidthFactor);
    // Doubling wraps instead of overflowing; no real window comes near that height.
    size.cy = form == WindowForm::Expanded
                  ? static_cast<int32_t>(static_cast<uint32_t>(nHeight0) << 1)
                  : nHeight0;
    return size;
}

WindowPos StartPlacement(const WindowPos& saved, const WindowPos& initial, FormExtent size)
{
    if (saved == initial)
        return initial;
    return WindowPos{saved.m_nLeft, saved.m_nTop, size.cx, size.cy};
}

namespace {

// One axis of MoveInside, in 64 bits so that no edge overflows. A negative length counts as
// none; the result is then the start or lies between the bounds, so it fits 32 bits again.
int32_t MoveInsideSpan(int32_t nStart, int32_t nLength, int32_t nLow, int32_t nHigh)
{
    const int64_t length = nLength < 0 ? 0 : nLength;
    int64_t start = nStart;
    if (start + length > nHigh)
        start = nHigh - length;
    if (start < nLow)
        start = nLow;
    return static_cast<int32_t>(start);
}

}  // namespace

WindowPos MoveInside(const WindowPos& place, const ScreenRect& bounds)
{
    return WindowPos{MoveInsideSpan(place.m_nLeft, place.m_nWidth, bounds.left, bounds.right),
                     MoveInsideSpan(place.m_nTop, place.m_nHeight, bounds.top, bounds.bottom), place.m_nWidth,
                     place.m_nHeight};
}

WindowPos MoveOntoMonitor(const WindowPos& place, const ScreenRect& monitor, const ScreenRect& work)
{
    return MoveInside(place, monitor) == place ? place : MoveInside(place, work);
}

int32_t DialogBaseWidth(int32_t nLettersWidth)
{
    return static_cast<int32_t>((int64_t{nLettersWidth} / 26 + 1) / 2);
}

FormExtent DialogWindowSize(FormExtent units, FormExtent baseUnits, const ScreenRect& frame)
{
    const auto clamp = [](int64_t value) {
        return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    return FormExtent{clamp(int64_t{ScaleLength(units.cx, 4, baseUnits.cx)} + frame.right - frame.left),
                      clamp(int64_t{ScaleLength(units.cy, 8, baseUnits.cy)} + frame.bottom - frame.top)};
}

int32_t ButtonIconSize(int32_t nDpi)
{
    // A DPI that no screen has is none known: the picture keeps its size at 96 DPI.
    return IsUsableDpi(nDpi) ? ScaleLength(32, 96, nDpi) : 32;
}

int32_t DrawnIconSize(int32_t nPixels)
{
    for (const int32_t nSize : kDrawnIconSizes) {
        if (nSize >= nPixels)
            return nSize;
    }
    return std::end(kDrawnIconSizes)[-1];
}

bool IsShellTaskbarClass(std::string_view className)
{
    return std::find(std::begin(kShellTaskbarClasses), std::end(kShellTaskbarClasses), className) !=
           std::end(kShellTaskbarClasses);
}

bool IsTaskSwitcherClass(std::string_view className)
{
    return className == "XamlExplorerHostIslandWindow";
}

bool IsShellWindowClass(std::string_view className)
{
    return IsShellTaskbarClass(className) || IsTaskSwitcherClass(className) || className == "Progman" ||
           className == "WorkerW" || className == "#32769" || className == "Windows.UI.Core.CoreWindow";
}
}  // namespace WindowLayout
