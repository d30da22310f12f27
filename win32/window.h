// CWnd: a window handle with the few operations the program uses, and the message tables
// through which a class reacts to messages before the window's own procedure does.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>
#include <type_traits>

class CWnd;

// One entry of a class's message table: a message, or WM_COMMAND from one control id or a range
// of them, and the member that handles it. A command handler takes nothing, a range's handler the
// id of the control; a message handler gets the message's parameters and returns its result; a
// typed handler gets what the message means, cracked once by the entry's cracker.
template <class T>
struct MessageEntry {
    UINT message;
    UINT id;
    void (T::*command)();
    LRESULT (T::*handler)(WPARAM, LPARAM);
    LRESULT (*cracker)(T&, WPARAM, LPARAM) = nullptr;
    UINT idLast = 0;
    void (T::*rangeCommand)(UINT) = nullptr;
};

template <class T>
constexpr MessageEntry<T> OnCommandId(UINT id, void (T::*command)())
{
    return {WM_COMMAND, id, command, nullptr};
}

// The clicks of the controls idFirst to idLast, each handled with its id.
template <class T>
constexpr MessageEntry<T> OnCommandRange(UINT idFirst, UINT idLast, void (T::*command)(UINT))
{
    return {WM_COMMAND, idFirst, nullptr, nullptr, nullptr, idLast, command};
}

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM))
{
    return {message, 0, nullptr, handler};
}

// The class of a member function, for the typed entries below.
template <class>
struct MemberClass;
template <class T, class R, class... Args>
struct MemberClass<R (T::*)(Args...)> {
    using type = T;
};
template <class T, class R, class... Args>
struct MemberClass<R (T::*)(Args...) const> {
    using type = T;
};

// A typed entry names its handler as a template argument, OnHotKeyMessage<&T::OnHotKey>() say,
// and gets a cracker made for that one handler.
template <auto pfn>
using HandlerClass = typename MemberClass<decltype(pfn)>::type;

template <auto pfn>
constexpr MessageEntry<HandlerClass<pfn>> Cracked(UINT message, LRESULT (*cracker)(HandlerClass<pfn>&, WPARAM, LPARAM))
{
    return {message, 0, nullptr, nullptr, cracker};
}

// A handler's answer as the message's result: a handle or a number as it is, a flag as TRUE or
// FALSE, nothing as 0.
template <class Call>
LRESULT ResultOf(Call call)
{
    using Result = decltype(call());
    if constexpr (std::is_void_v<Result>) {
        call();
        return 0;
    } else if constexpr (std::is_pointer_v<Result>) {
        return reinterpret_cast<LRESULT>(call());
    } else {
        return static_cast<LRESULT>(call());
    }
}

// void OnHotKey(int nId): the id the chord was registered with.
template <auto pfn>
constexpr auto OnHotKeyMessage()
{
    return Cracked<pfn>(WM_HOTKEY, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(static_cast<int>(wParam));
        return 0;
    });
}

// void OnContextMenu(HWND hSource, POINT point): both coordinates -1 when it comes from the
// keyboard; each is a signed 16-bit value, whatever the upper half of lParam holds.
template <auto pfn>
constexpr auto OnContextMenuMessage()
{
    return Cracked<pfn>(WM_CONTEXTMENU, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        // As GET_X_LPARAM and GET_Y_LPARAM take them; windowsx.h would redefine SubclassWindow.
        (self.*pfn)(reinterpret_cast<HWND>(wParam),
                    POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    });
}

// void OnTimer(UINT_PTR nIDEvent).
template <auto pfn>
constexpr auto OnTimerMessage()
{
    return Cracked<pfn>(WM_TIMER, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(static_cast<UINT_PTR>(wParam));
        return 0;
    });
}

// void OnEndSession(bool bEnding): true when the session really ends.
template <auto pfn>
constexpr auto OnEndSessionMessage()
{
    return Cracked<pfn>(WM_ENDSESSION, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(wParam != FALSE);
        return 0;
    });
}

// void OnSessionChange(UINT nStatus): WTS_SESSION_LOCK, WTS_SESSION_UNLOCK and the others.
template <auto pfn>
constexpr auto OnSessionChangeMessage()
{
    return Cracked<pfn>(WM_WTSSESSION_CHANGE, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(static_cast<UINT>(wParam));
        return 0;
    });
}

// R OnX() for a message that carries nothing the handler needs: WM_CLOSE, WM_PAINT, WM_SIZE,
// WM_QUERYENDSESSION (whether the session may end), WM_QUERYDRAGICON (the icon), WM_GETFONT...
template <UINT message, auto pfn>
constexpr auto OnPlainMessage()
{
    return Cracked<pfn>(message, [](HandlerClass<pfn>& self, WPARAM, LPARAM) -> LRESULT {
        return ResultOf([&] { return (self.*pfn)(); });
    });
}

// void OnSysCommand(UINT nId): the command of the window menu, without the system's four low bits.
template <auto pfn>
constexpr auto OnSysCommandMessage()
{
    return Cracked<pfn>(WM_SYSCOMMAND, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(static_cast<UINT>(wParam & 0xFFF0));
        return 0;
    });
}

// bool OnGetDpiScaledSize(int nDpi, SIZE& size): sets the size the window wants at the DPI it is
// about to get, or answers false for the size scaled by the system.
template <auto pfn>
constexpr auto OnGetDpiScaledSizeMessage()
{
    return Cracked<pfn>(WM_GETDPISCALEDSIZE, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        auto* pSize = reinterpret_cast<SIZE*>(lParam);
        return pSize && (self.*pfn)(static_cast<int>(wParam), *pSize) ? TRUE : FALSE;
    });
}

// void OnDpiChanged(int nDpi, const RECT* pSuggested): the window's new DPI and the place the
// system suggests for it, if it names one.
template <auto pfn>
constexpr auto OnDpiChangedMessage()
{
    return Cracked<pfn>(WM_DPICHANGED, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        (self.*pfn)(static_cast<int>(HIWORD(wParam)), reinterpret_cast<const RECT*>(lParam));
        return 0;
    });
}

// LRESULT OnSetText(const wchar_t* text): the text a window of the wide character set is given.
template <auto pfn>
constexpr auto OnSetTextMessage()
{
    return Cracked<pfn>(WM_SETTEXT, [](HandlerClass<pfn>& self, WPARAM, LPARAM lParam) -> LRESULT {
        return (self.*pfn)(reinterpret_cast<const wchar_t*>(lParam));
    });
}

// std::size_t OnGetText(std::size_t nSize, wchar_t* buffer): copies the text into a buffer of
// nSize characters, the terminator among them, and answers the characters copied.
template <auto pfn>
constexpr auto OnGetTextMessage()
{
    return Cracked<pfn>(WM_GETTEXT, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        return static_cast<LRESULT>((self.*pfn)(static_cast<std::size_t>(wParam), reinterpret_cast<wchar_t*>(lParam)));
    });
}

// void OnPowerBroadcast(UINT nEvent): the machine goes to sleep or wakes; the message is granted.
template <auto pfn>
constexpr auto OnPowerBroadcastMessage()
{
    return Cracked<pfn>(WM_POWERBROADCAST, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM) -> LRESULT {
        (self.*pfn)(static_cast<UINT>(wParam));
        return TRUE;
    });
}

// void OnSettingChange(UINT nAction, const wchar_t* area): the system parameter that changed, and
// the name of the area of settings that changed, or null; for a window of the wide class.
template <auto pfn>
constexpr auto OnSettingChangeMessage()
{
    return Cracked<pfn>(WM_SETTINGCHANGE, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        (self.*pfn)(static_cast<UINT>(wParam), reinterpret_cast<const wchar_t*>(lParam));
        return 0;
    });
}

// void OnHScroll(UINT nCode, HWND hBar): what the horizontal bar did (an SB_ code, a trackbar's
// TB_ code) and the control that says so, null for the window's own scroll bar.
template <auto pfn>
constexpr auto OnHScrollMessage()
{
    return Cracked<pfn>(WM_HSCROLL, [](HandlerClass<pfn>& self, WPARAM wParam, LPARAM lParam) -> LRESULT {
        (self.*pfn)(static_cast<UINT>(LOWORD(wParam)), reinterpret_cast<HWND>(lParam));
        return 0;
    });
}

// bool OnDrawItem(const DRAWITEMSTRUCT& item): draws an owner-drawn control of the window; true
// where it was drawn.
template <auto pfn>
constexpr auto OnDrawItemMessage()
{
    return Cracked<pfn>(WM_DRAWITEM, [](HandlerClass<pfn>& self, WPARAM, LPARAM lParam) -> LRESULT {
        const auto* pItem = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return pItem && (self.*pfn)(*pItem) ? TRUE : FALSE;
    });
}

// LRESULT OnCopyData(const COPYDATASTRUCT& data): the data that another program hands the window,
// there only during the call; the answer goes back to that program.
template <auto pfn>
constexpr auto OnCopyDataMessage()
{
    return Cracked<pfn>(WM_COPYDATA, [](HandlerClass<pfn>& self, WPARAM, LPARAM lParam) -> LRESULT {
        const auto* pData = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        return pData ? (self.*pfn)(*pData) : 0;
    });
}

// Finds the message in the table and calls its handler; false means default processing.
template <class T, std::size_t N>
bool DispatchMessageTable(T& self, const MessageEntry<T> (&table)[N], UINT message, WPARAM wParam,
                          LPARAM lParam, LRESULT& result)
{
    for (const MessageEntry<T>& entry : table) {
        if (entry.message != message)
            continue;
        if (entry.command || entry.rangeCommand) {
            const UINT nId = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED || nId < entry.id || nId > (entry.command ? entry.id : entry.idLast))
                continue;
            if (entry.command)
                (self.*entry.command)();
            else
                (self.*entry.rangeCommand)(nId);
            result = 0;
            return true;
        }
        result = entry.cracker ? entry.cracker(self, wParam, lParam) : (self.*entry.handler)(wParam, lParam);
        return true;
    }
    return false;
}

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binding to an existing window. Attach only remembers the handle; SubclassWindow also
    // routes the window's messages through this object's message table first.
    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    void SubclassWindow(HWND hWnd);
    // What binding a control by id does: a plain attach, unless the class needs its messages.
    virtual void BindControl(HWND hWnd) { Attach(hWnd); }

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    // An 8-bit text is in the ANSI code page, as the settings file keeps it; every other text goes
    // to Windows in UTF-16, so that it reads the same under any code page.
    void SetWindowText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    void SetWindowText(const wchar_t* text) const { ::SetWindowTextW(m_hWnd, text); }
    std::string GetWindowText() const;
    // The text as the window holds it, also where the ANSI code page cannot.
    std::wstring GetWindowTextWide() const;
    RECT GetWindowRect() const;
    RECT GetClientRect() const;
    void MoveWindow(int x, int y, int cx, int cy, BOOL bRepaint = TRUE) const
    {
        ::MoveWindow(m_hWnd, x, y, cx, cy, bRepaint);
    }
    void ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) const;
    void ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0) const;
    void ShowWindow(int nCmdShow) const { ::ShowWindow(m_hWnd, nCmdShow); }
    void SetTimer(UINT_PTR id, UINT elapse) const { ::SetTimer(m_hWnd, id, elapse, nullptr); }
    void KillTimer(UINT_PTR id) const { ::KillTimer(m_hWnd, id); }
    void InvalidateRect(const RECT* rect, BOOL bErase) const { ::InvalidateRect(m_hWnd, rect, bErase); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void EnableWindow(bool bEnable) const { ::EnableWindow(m_hWnd, bEnable); }

protected:
    // The message table of the class; false hands the message to default processing.
    virtual bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Default processing of the message being handled.
    LRESULT Default() { return DefaultProcessing(m_current.message, m_current.wParam, m_current.lParam); }
    // What default processing is for this window: the next subclass or the window's own procedure
    // for a subclassed window, the plain window's otherwise.
    virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs one message through the table; false when the table has no handler for it.
    bool RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR nId,
                                         DWORD_PTR refData);
    void Unsubclass();

    bool m_bSubclassed = false;
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } m_current{};
};

// A window class with a message table of its own: its hook looks each message up in
// T::kMessageMap, a static constexpr array of T, and leaves the rest to Base. T names this
// class a friend, so that the table and its handlers stay private.
template <class T, class Base>
class CMessageMapped : public Base {
public:
    using Base::Base;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        return DispatchMessageTable(static_cast<T&>(*this), T::kMessageMap, message, wParam, lParam, result) ||
               Base::OnWndMsg(message, wParam, lParam, result);
    }
};
