// The session's lock and unlock, told to a window as WM_WTSSESSION_CHANGE while the object lives.
#pragma once

#include <windows.h>

#include <wtsapi32.h>

#include "lazy_import.h"

class CSessionNotification {
public:
    explicit CSessionNotification(HWND hWnd)
    {
        static LazyImport<decltype(::WTSRegisterSessionNotification)> registerFor("wtsapi32.dll",
                                                                                  "WTSRegisterSessionNotification");
        if (auto* pfn = registerFor.Get(); pfn && pfn(hWnd, NOTIFY_FOR_THIS_SESSION))
            m_hWnd = hWnd;
    }
    CSessionNotification(const CSessionNotification&) = delete;
    CSessionNotification& operator=(const CSessionNotification&) = delete;
    ~CSessionNotification()
    {
        static LazyImport<decltype(::WTSUnRegisterSessionNotification)> unregister(
            "wtsapi32.dll", "WTSUnRegisterSessionNotification");
        if (auto* pfn = unregister.Get(); pfn && m_hWnd)
            pfn(m_hWnd);
    }

private:
    HWND m_hWnd = nullptr;
};
