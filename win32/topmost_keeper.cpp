// The foreground watcher of the strip, through a win-event hook outside the hooked programs.
#include "topmost_keeper.h"

#include <utility>

namespace {

// The hook hands its procedure no data of its own: the process's one keeper is found here.
CTopmostKeeper* g_pKeeper = nullptr;

}  // namespace

CTopmostKeeper::CTopmostKeeper(std::function<void(HWND)> onForeground) : m_onForeground(std::move(onForeground))
{
    if (g_pKeeper)
        return;
    m_hHook = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &CTopmostKeeper::OnEvent,
                                0, 0, WINEVENT_OUTOFCONTEXT);
    if (m_hHook)
        g_pKeeper = this;
}

CTopmostKeeper::~CTopmostKeeper()
{
    if (!m_hHook)
        return;
    ::UnhookWinEvent(m_hHook);
    g_pKeeper = nullptr;
}

void CALLBACK CTopmostKeeper::OnEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG, DWORD, DWORD)
{
    // Nothing may unwind through the hook's procedure.
    try {
        if (g_pKeeper && event == EVENT_SYSTEM_FOREGROUND && idObject == OBJID_WINDOW && hWnd)
            g_pKeeper->m_onForeground(hWnd);
    } catch (...) {
    }
}

bool IsAbove(HWND hAbove, HWND hWnd)
{
    for (HWND h = ::GetWindow(hWnd, GW_HWNDPREV); h; h = ::GetWindow(h, GW_HWNDPREV)) {
        if (h == hAbove)
            return true;
    }
    return false;
}
