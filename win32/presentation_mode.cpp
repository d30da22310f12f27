#include "presentation_mode.h"

#include <windows.h>

#include <shellapi.h>

#include "lazy_import.h"

bool IsPresentationMode()
{
    // Vista's shell has the call; a shell without it reports nothing.
    static LazyImport<decltype(::SHQueryUserNotificationState)> query("shell32.dll", "SHQueryUserNotificationState");
    QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
    auto* pfn = query.Get();
    return pfn && SUCCEEDED(pfn(&state)) && state == QUNS_PRESENTATION_MODE;
}
