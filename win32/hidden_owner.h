// A window that never shows and exists only to own another top-level window.
#pragma once

#include "window.h"

// The shell gives a taskbar button and an Alt+Tab entry to every visible window without an
// owner; a window owned by this one gets neither. It lives exactly as long as the object.
class CHiddenOwner : public CWnd {
public:
    CHiddenOwner()
    {
        m_hWnd = ::CreateWindowExA(0, "STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    }
    ~CHiddenOwner() override
    {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
    }
};
