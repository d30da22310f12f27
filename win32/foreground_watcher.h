// Tells when a window comes to the foreground, in any program, and when the foreground window
// moves or changes its size: the strip learns so that the shell's taskbar has lifted itself above
// it, or that a program has gone full screen.
#pragma once

#include <windows.h>

#include <functional>

// Events, not a timer: nothing runs while the foreground stays where it is. The hooks' events
// come through the message loop of the thread that made the watcher.
class CForegroundWatcher {
public:
    // Called with EVENT_SYSTEM_FOREGROUND or EVENT_OBJECT_LOCATIONCHANGE and the window.
    explicit CForegroundWatcher(std::function<void(DWORD, HWND)> onEvent);
    CForegroundWatcher(const CForegroundWatcher&) = delete;
    CForegroundWatcher& operator=(const CForegroundWatcher&) = delete;
    ~CForegroundWatcher();

private:
    void FollowMovesOf(HWND hWnd);
    static void CALLBACK OnEvent(HWINEVENTHOOK hHook, DWORD event, HWND hWnd, LONG idObject, LONG idChild,
                                 DWORD idThread, DWORD dwTime);

    std::function<void(DWORD, HWND)> m_onEvent;
    HWINEVENTHOOK m_hForegroundHook = nullptr;
    HWINEVENTHOOK m_hLocationHook = nullptr;
};

// True when hAbove stands above hWnd in the z-order of the top-level windows.
bool IsAbove(HWND hAbove, HWND hWnd);
