// The session's lock and unlock, told to a window as WM_WTSSESSION_CHANGE while the object lives.
#pragma once

#include <windows.h>

#include <wtsapi32.h>

#include "lazy_import.h"

class CSessionNotification {
public:
    using RegisterFunction = BOOL(WINAPI*)(HWND, DWORD);
    // The window's timer by which a registration that came too early is tried again.
    static constexpr UINT_PTR kRetryTimer = 0x7E55;
    static constexpr UINT kRetryMs = 1000;

    // Registers through the function given, WTSRegisterSessionNotification where none is.
    explicit CSessionNotification(HWND hWnd, RegisterFunction pfnRegister = nullptr)
        : m_hWnd(hWnd), m_pfnRegister(pfnRegister)
    {
        static LazyImport<decltype(::WTSRegisterSessionNotification)> registerFor("wtsapi32.dll",
                                                                                  "WTSRegisterSessionNotification");
        if (!m_pfnRegister)
            m_pfnRegister = registerFor.Get();
        Retry();
    }
    CSessionNotification(const CSessionNotification&) = delete;
    CSessionNotification& operator=(const CSessionNotification&) = delete;
    ~CSessionNotification()
    {
        static LazyImport<decltype(::WTSUnRegisterSessionNotification)> unregister(
            "wtsapi32.dll", "WTSUnRegisterSessionNotification");
        if (auto* pfn = unregister.Get(); pfn && m_bRegistered)
            pfn(m_hWnd);
    }

    // Registers the window, at its timer kRetryTimer too. A strip started at logon may come
    // before the session's services, which then refuse with RPC_S_INVALID_BINDING: the timer
    // tries again each second until a registration succeeds or fails for another reason, and
    // then ends.
    void Retry()
    {
        if (m_bRegistered || !m_pfnRegister)
            return;
        m_bRegistered = m_pfnRegister(m_hWnd, NOTIFY_FOR_THIS_SESSION) != FALSE;
        if (!m_bRegistered && ::GetLastError() == RPC_S_INVALID_BINDING)
            ::SetTimer(m_hWnd, kRetryTimer, kRetryMs, nullptr);
        else
            ::KillTimer(m_hWnd, kRetryTimer);
    }

private:
    HWND m_hWnd;
    RegisterFunction m_pfnRegister;
    bool m_bRegistered = false;
};
