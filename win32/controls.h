// The stock controls as the program uses them, and the system menu.
#pragma once

#include "window.h"

class CButton : public CWnd {
public:
    // Shows the icon and returns the image the button showed until now.
    HICON SetIcon(HICON hIcon) const
    {
        return reinterpret_cast<HICON>(SendMessage(BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(hIcon)));
    }
    void SetCheck(int nCheck) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {};

class CProgressCtrl : public CWnd {};

// The window's menu: a borrowed handle, never destroyed here.
class CMenu {
public:
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
    static CMenu SystemMenuOf(const CWnd& wnd) { return CMenu(::GetSystemMenu(wnd.GetSafeHwnd(), FALSE)); }

    HMENU GetSafeHmenu() const { return m_hMenu; }
    void AppendMenu(UINT flags, UINT_PTR id = 0, const char* text = nullptr) const
    {
        ::AppendMenuA(m_hMenu, flags, id, text);
    }

private:
    HMENU m_hMenu;
};
