// A system-wide chord of a window: registered while the object holds it.
#pragma once

#include <windows.h>

class CHotKey {
public:
    CHotKey() = default;
    CHotKey(const CHotKey&) = delete;
    CHotKey& operator=(const CHotKey&) = delete;
    ~CHotKey() { Unregister(); }

    // WM_HOTKEY with nId comes to hWnd when the chord is pressed, in whatever program has the
    // focus, once for each press however long the keys are held. False when another program
    // holds the chord already, or the chord is no chord at all.
    bool Register(HWND hWnd, int nId, UINT nModifiers, UINT nKey)
    {
        Unregister();
        m_bRegistered = ::RegisterHotKey(hWnd, nId, nModifiers | MOD_NOREPEAT, nKey) != FALSE;
        // Vista knows no MOD_NOREPEAT: there a held chord repeats.
        if (!m_bRegistered && ::GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED)
            m_bRegistered = ::RegisterHotKey(hWnd, nId, nModifiers, nKey) != FALSE;
        if (m_bRegistered) {
            m_hWnd = hWnd;
            m_nId = nId;
        }
        return m_bRegistered;
    }
    void Unregister()
    {
        if (m_bRegistered)
            ::UnregisterHotKey(m_hWnd, m_nId);
        m_bRegistered = false;
    }

private:
    HWND m_hWnd = nullptr;
    int m_nId = 0;
    bool m_bRegistered = false;
};
