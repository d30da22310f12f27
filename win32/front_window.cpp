#include "front_window.h"

#include <dwmapi.h>

#include "lazy_import.h"

namespace {

bool IsCloaked(HWND hWnd)
{
    static LazyImport<decltype(::DwmGetWindowAttribute)> getAttribute("dwmapi.dll", "DwmGetWindowAttribute");
    DWORD nCloaked = 0;
    auto* pfn = getAttribute.Get();
    return pfn && SUCCEEDED(pfn(hWnd, DWMWA_CLOAKED, &nCloaked, sizeof nCloaked)) && nCloaked != 0;
}

ScreenRect ToScreenRect(const RECT& rect)
{
    return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

bool IsStripsOwn(HWND hWnd, HWND hStrip)
{
    const HWND hHost = ::GetWindow(hStrip, GW_OWNER);
    for (HWND hOwner = hWnd; hOwner; hOwner = ::GetWindow(hOwner, GW_OWNER)) {
        if (hOwner == hStrip || (hHost && hOwner == hHost))
            return true;
    }
    return false;
}

}  // namespace

FrontWindow FrontWindowOf(HWND hStrip)
{
    FrontWindow front;
    HWND hFront = ::GetForegroundWindow();
    RECT rect{};
    if (!hFront || !hStrip || hFront == ::GetDesktopWindow() || !::IsWindowVisible(hFront) || ::IsIconic(hFront) ||
        IsStripsOwn(hFront, hStrip) || !::GetWindowRect(hFront, &rect))
        return front;
    char className[64] = {};
    ::GetClassNameA(hFront, className, sizeof className);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const HMONITOR hStripMonitor = ::MonitorFromWindow(hStrip, MONITOR_DEFAULTTONEAREST);
    ::GetMonitorInfoW(hStripMonitor, &monitor);
    front.bThere = true;
    front.className = className;
    front.rect = ToScreenRect(rect);
    front.bMaximised = ::IsZoomed(hFront) != FALSE;
    front.bCaptioned = (::GetWindowLongPtrW(hFront, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    front.bCloaked = IsCloaked(hFront);
    front.bOnStripMonitor = ::MonitorFromWindow(hFront, MONITOR_DEFAULTTONEAREST) == hStripMonitor;
    front.monitor = ToScreenRect(monitor.rcMonitor);
    return front;
}
