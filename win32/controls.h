// The stock and common controls as the program uses them, and the system menu.
#pragma once

#include <windows.h>

#include "common_controls.h"
#include "window.h"

class CButton : public CWnd {
public:
    void SetCheck(int nCheck) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck)); }
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    // Takes no more than nMax characters, typed or pasted.
    void SetLimitText(UINT nMax) const { SendMessage(EM_LIMITTEXT, nMax); }
};

// An up-down control that shows its number in the edit before it (its buddy).
class CSpinButtonCtrl : public CWnd {
public:
    void SetRange32(int nLower, int nUpper) const { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    void SetPos32(int nPos) const { SendMessage(UDM_SETPOS32, 0, nPos); }
    // Each click of an arrow steps the number by nStep.
    void SetStep(UINT nStep) const
    {
        UDACCEL accel{0, nStep};
        SendMessage(UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
    }
};

// A trackbar.
class CSliderCtrl : public CWnd {
public:
    void SetRange(int nMin, int nMax) const
    {
        SendMessage(TBM_SETRANGEMIN, FALSE, nMin);
        SendMessage(TBM_SETRANGEMAX, TRUE, nMax);
    }
    void SetTicFreq(int nFreq) const { SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(nFreq)); }
    void SetPos(int nPos) const { SendMessage(TBM_SETPOS, TRUE, nPos); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};

class CProgressCtrl : public CWnd {};

// A tooltip control. Its owner window destroys it when it goes, so the wrapper owns nothing.
class CToolTipCtrl : public CWnd {
public:
    // Creates the control for `owner`; its tips show whether or not the owner is active.
    bool Create(const CWnd& owner)
    {
        CommonControls::InitClasses(ICC_TAB_CLASSES);
        m_hWnd = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner.GetSafeHwnd(),
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
        return m_hWnd != nullptr;
    }
    // A tip for a control of the owner, shown while the mouse rests on it. The record has the
    // size that every version of the control accepts from 4.70 on, 5.x without a manifest too;
    // the larger one of version 6 would be refused there.
    void AddTool(HWND hControl, const wchar_t* text) const
    {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = ::GetParent(hControl);
        tool.uId = reinterpret_cast<UINT_PTR>(hControl);
        tool.lpszText = const_cast<wchar_t*>(text);
        SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
};

// The window's menu: a borrowed handle, never destroyed here.
class CMenu {
public:
    explicit CMenu(HMENU hMenu) : m_hMenu(hMenu) {}
    static CMenu SystemMenuOf(const CWnd& wnd) { return CMenu(::GetSystemMenu(wnd.GetSafeHwnd(), FALSE)); }

    HMENU GetSafeHmenu() const { return m_hMenu; }
    void AppendMenu(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr) const
    {
        ::AppendMenuW(m_hMenu, flags, id, text);
    }

private:
    HMENU m_hMenu;
};
