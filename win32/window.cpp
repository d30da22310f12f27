// CWnd: a window handle with the few operations the program uses, and the message tables
// through which a class reacts to messages before the window's own procedure does.
#include "window.h"

#include "common_controls.h"

CWnd::~CWnd()
{
    Unsubclass();
}

// Through the common controls' subclass chain, so that a subclass put on the window before or
// after this one keeps working, whichever goes first. The object's address tells its subclass
// from any other on the same window.
void CWnd::SubclassWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    m_bSubclassed = CommonControls::SetSubclass(hWnd, &CWnd::SubclassProc, reinterpret_cast<UINT_PTR>(this),
                                                reinterpret_cast<DWORD_PTR>(this));
}

void CWnd::Unsubclass()
{
    if (m_bSubclassed)
        CommonControls::RemoveSubclass(m_hWnd, &CWnd::SubclassProc, reinterpret_cast<UINT_PTR>(this));
    m_bSubclassed = false;
}

std::string CWnd::GetWindowText() const
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring CWnd::GetWindowTextWide() const
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(m_hWnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

RECT CWnd::GetWindowRect() const
{
    RECT rect{};
    ::GetWindowRect(m_hWnd, &rect);
    return rect;
}

RECT CWnd::GetClientRect() const
{
    RECT rect{};
    ::GetClientRect(m_hWnd, &rect);
    return rect;
}

void CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) const
{
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, (style & ~remove) | add);
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

void CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) const
{
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, (style & ~remove) | add);
    if (flags)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
}

bool CWnd::OnWndMsg(UINT, WPARAM, LPARAM, LRESULT&)
{
    return false;
}

LRESULT CWnd::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_bSubclassed)
        return CommonControls::DefSubclass(m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

bool CWnd::RouteMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    // Handlers may send messages to their own window; keep the outer message for Default.
    const CurrentMessage outer = m_current;
    m_current = {message, wParam, lParam};
    const bool bHandled = OnWndMsg(message, wParam, lParam, result);
    m_current = outer;
    return bHandled;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR refData)
{
    auto* self = reinterpret_cast<CWnd*>(refData);
    if (message == WM_NCDESTROY) {
        // The window goes: this object lets go of it before the rest of the chain sees the end.
        self->Unsubclass();
        self->m_hWnd = nullptr;
        return CommonControls::DefSubclass(hWnd, message, wParam, lParam);
    }
    // Nothing may unwind through a window procedure.
    try {
        LRESULT result = 0;
        if (self->RouteMessage(message, wParam, lParam, result))
            return result;
        return CommonControls::DefSubclass(hWnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
