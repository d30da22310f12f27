// The foreground watcher of the strip, through win-event hooks outside the hooked programs.
#include "foreground_watcher.h"

#include <utility>

namespace {

// The hooks hand their procedure no data of their own: the process's one watcher is found here.
CForegroundWatcher* g_pWatcher = nullptr;

HWINEVENTHOOK HookEvent(DWORD event, WINEVENTPROC proc, DWORD idProcess = 0, DWORD idThread = 0)
{
    return ::SetWinEventHook(event, event, nullptr, proc, idProcess, idThread, WINEVENT_OUTOFCONTEXT);
}

}  // namespace

CForegroundWatcher::CForegroundWatcher(std::function<void(DWORD, HWND)> onEvent) : m_onEvent(std::move(onEvent))
{
    if (g_pWatcher)
        return;
    m_hForegroundHook = HookEvent(EVENT_SYSTEM_FOREGROUND, &CForegroundWatcher::OnEvent);
    FollowMovesOf(::GetForegroundWindow());
    if (m_hForegroundHook)
        g_pWatcher = this;
}

void CForegroundWatcher::FollowMovesOf(HWND hWnd)
{
    // Moves are watched in the foreground window's own thread alone: the caret's and the
    // pointer's moves in every other program never wake the strip.
    if (m_hLocationHook)
        ::UnhookWinEvent(m_hLocationHook);
    DWORD idProcess = 0;
    const DWORD idThread = hWnd ? ::GetWindowThreadProcessId(hWnd, &idProcess) : 0;
    m_hLocationHook =
        idThread ? HookEvent(EVENT_OBJECT_LOCATIONCHANGE, &CForegroundWatcher::OnEvent, idProcess, idThread) : nullptr;
}

CForegroundWatcher::~CForegroundWatcher()
{
    for (HWINEVENTHOOK hHook : {m_hForegroundHook, m_hLocationHook}) {
        if (hHook)
            ::UnhookWinEvent(hHook);
    }
    if (g_pWatcher == this)
        g_pWatcher = nullptr;
}

void CALLBACK CForegroundWatcher::OnEvent(HWINEVENTHOOK, DWORD event, HWND hWnd, LONG idObject, LONG, DWORD, DWORD)
{
    // Only whole windows; of the moves, only the foreground window's: the caret's and the mouse
    // pointer's in its thread end here.
    if (!g_pWatcher || idObject != OBJID_WINDOW || !hWnd)
        return;
    if (event == EVENT_OBJECT_LOCATIONCHANGE && hWnd != ::GetForegroundWindow())
        return;
    if (event == EVENT_SYSTEM_FOREGROUND)
        g_pWatcher->FollowMovesOf(hWnd);
    // Nothing may unwind through the hook's procedure.
    try {
        g_pWatcher->m_onEvent(event, hWnd);
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
