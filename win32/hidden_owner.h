// A window that never shows and exists only to own another top-level window.
#pragma once

#include "window.h"

// The shell gives a taskbar button and an Alt+Tab entry to every visible window without an
// owner; a window owned by this one gets neither. It lives exactly as long as the object. Its
// class is one the program registers for it, so that no window of another program is taken for it.
// Made below HWND_MESSAGE, it owns nothing and only takes messages sent to its handle.
class CHiddenOwner : public CWnd {
public:
    explicit CHiddenOwner(const wchar_t* className, HWND hParent = nullptr)
    {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className;
        // A second owner of the class finds it registered already.
        ::RegisterClassExW(&windowClass);
        m_hWnd = ::CreateWindowExW(0, className, nullptr, WS_POPUP, 0, 0, 0, 0, hParent, nullptr,
                                   windowClass.hInstance, nullptr);
    }
    ~CHiddenOwner() override
    {
        if (m_hWnd)
            ::DestroyWindow(m_hWnd);
    }
};
