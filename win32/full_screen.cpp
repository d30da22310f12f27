// The full-screen questions.
#include "full_screen.h"

#include "core/workday.h"

LazyImport<decltype(::SHQueryUserNotificationState)>& FullScreen::Lookup()
{
    static LazyImport<decltype(::SHQueryUserNotificationState)> query("shell32.dll", "SHQueryUserNotificationState");
    return query;
}

bool FullScreen::IsReported()
{
    QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
    auto* pfn = Lookup().Get();
    if (!pfn || FAILED(pfn(&state)))
        return false;
    return state == QUNS_PRESENTATION_MODE || state == QUNS_RUNNING_D3D_FULL_SCREEN || state == QUNS_BUSY;
}

bool FullScreen::CoversMonitorOf(HWND hWnd, HWND hLies)
{
    RECT rcWindow{};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!::GetWindowRect(hWnd, &rcWindow) ||
        !::GetMonitorInfoW(::MonitorFromWindow(hLies, MONITOR_DEFAULTTONEAREST), &info))
        return false;
    const RECT& rcMonitor = info.rcMonitor;
    return CoversMonitor(ScreenRect{rcWindow.left, rcWindow.top, rcWindow.right, rcWindow.bottom},
                         ScreenRect{rcMonitor.left, rcMonitor.top, rcMonitor.right, rcMonitor.bottom});
}
