// The monitor a place lies most on, and its rectangles.
#include "monitor.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

namespace {

ScreenRect ToScreenRect(const RECT& rect)
{
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace

std::optional<MonitorAreas> MonitorAreasUnder(const WindowPos& place, bool bOrNearest)
{
    const auto clamp = [](int64_t value) {
        return static_cast<LONG>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
    };
    const RECT rect{place.m_nLeft, place.m_nTop, clamp(int64_t{place.m_nLeft} + place.m_nWidth),
                    clamp(int64_t{place.m_nTop} + place.m_nHeight)};
    HMONITOR hMonitor = ::MonitorFromRect(&rect, bOrNearest ? MONITOR_DEFAULTTONEAREST : MONITOR_DEFAULTTONULL);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!hMonitor || !::GetMonitorInfoA(hMonitor, &info))
        return std::nullopt;
    return MonitorAreas{ToScreenRect(info.rcMonitor), ToScreenRect(info.rcWork)};
}
