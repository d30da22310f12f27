// CWnd: a window handle with the few operations the program uses, and the message tables
// through which a class reacts to messages before the window's own procedure does.
#include "window.h"

namespace {

const char kObjectProperty[] = "Tarnovell.CWnd";

}  // namespace

CWnd::~CWnd()
{
    Unsubclass();
}

void CWnd::SubclassWindow(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kObjectProperty, this);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
}

void CWnd::Unsubclass()
{
    if (!m_hWnd || !m_pfnSuper || ::GetPropA(m_hWnd, kObjectProperty) != this)
        return;
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kObjectProperty);
}

std::string CWnd::GetWindowText() const
{
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()))));
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

LRESULT CWnd::Default()
{
    return ::CallWindowProcA(m_pfnSuper ? m_pfnSuper : ::DefWindowProcA, m_hWnd, m_current.message,
                             m_current.wParam, m_current.lParam);
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

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* self = static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
    if (!self)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window goes: give it back its own procedure and forget it.
        const WNDPROC super = self->m_pfnSuper;
        self->Unsubclass();
        self->m_hWnd = nullptr;
        self->m_pfnSuper = nullptr;
        return ::CallWindowProcA(super, hWnd, message, wParam, lParam);
    }
    // Nothing may unwind through a window procedure.
    try {
        LRESULT result = 0;
        if (self->RouteMessage(message, wParam, lParam, result))
            return result;
        return ::CallWindowProcA(self->m_pfnSuper, hWnd, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
